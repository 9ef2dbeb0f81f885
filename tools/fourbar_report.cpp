// Placeholder: the command-line report lands with the analysis core.
int main() { return 0; }
