// The command-line report: arguments, the analysis, the PDF and the file, with exit statuses.
#include "ui/report/headless_report.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/lenient_number.h"
#include "core/report_model.h"
#include "ui/report/report_renderer.h"

namespace fourbar::ui {

namespace {

constexpr const char* kUsage =
    "用法：fourbar --report 文件.pdf L1 L2 L3 L4 n M\n"
    "  不打开窗口，写出四杆机构运动分析报告（PDF）。\n"
    "  L1、L2、L3、L4：曲柄、连杆、摇杆（输出杆）、机架的长度（mm）；\n"
    "  n：曲柄转速（r/min）；M：装配型式（+1 或 -1）。\n";

// --help: the windows, then the report's usage, then these two options.
constexpr const char* kHelpWindows = "用法：fourbar    打开主窗口\n";
constexpr const char* kHelpOptions = "      fourbar --help | --version\n";

void printError(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

QtMessageHandler previousHandler = nullptr;

// Qt's remark that XDG_RUNTIME_DIR is not set concerns a desktop session, which a report written
// without a window does not need; standard error keeps the program's own messages.
void withoutSessionRemarks(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

}  // namespace

QString reportDate(const QDate& date) {
    return QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

QDate reportDay() {
    bool isNumber = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&isNumber);
    return isNumber ? QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC).date() : QDate::currentDate();
}

QString saveWhole(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return {};
    }
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason.isEmpty() ? QStringLiteral("未知错误") : reason;
}

std::optional<int> runHeadlessReport(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        std::fputs(kHelpWindows, stdout);
        std::fputs(kUsage, stdout);
        std::fputs(kHelpOptions, stdout);
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("fourbar %s\n", FOURBAR_VERSION);
        return 0;
    }
    if (argc < 2 || std::string_view(argv[1]) != "--report") {
        return std::nullopt;
    }
    if (argc != 9) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    double values[6] = {};
    for (int k = 0; k < 6; ++k) {
        const std::optional<double> v = wholeNumber(argv[3 + k]);
        if (!v) {
            printError(QStringLiteral("参数“%1”不是数。").arg(QString::fromLocal8Bit(argv[3 + k])));
            std::fputs(kUsage, stderr);
            return 2;
        }
        values[k] = *v;
    }
    const QString fileName = QString::fromLocal8Bit(argv[2]);

    ReportRun run =
        reportForInputs({values[0], values[1], values[2], values[3], values[4], values[5]},
                        reportDate(reportDay()).toStdString());
    if (!run.report) {
        printError(
            QString::fromUtf8(run.refusal.data(), static_cast<qsizetype>(run.refusal.size())));
        return 1;
    }

    // Fonts and the PDF writer need an application object, but no display: the offscreen
    // platform serves without one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(withoutSessionRemarks);
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QString failure;
    {
        QGuiApplication app(qtArgc, qtArgv);
        failure = saveWhole(fileName, reportPdf(*run.report));
    }
    qInstallMessageHandler(previousHandler);
    if (!failure.isEmpty()) {
        printError(QStringLiteral("无法保存文件 %1：%2").arg(fileName, failure));
        return 1;
    }
    return 0;
}

}  // namespace fourbar::ui
