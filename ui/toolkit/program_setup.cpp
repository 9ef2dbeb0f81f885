// What the program sets up once in the running Qt application before its first window.
#include "ui/toolkit/program_setup.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace fourbar::ui {

namespace {

const QString kTranslatorName = QStringLiteral("qtbaseChineseTranslator");

}  // namespace

bool setUpProgram() {
    QCoreApplication* app = QCoreApplication::instance();
    QCoreApplication::setOrganizationName(QStringLiteral("fourbar"));
    QCoreApplication::setApplicationName(QStringLiteral("fourbar"));
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    if (app->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly) != nullptr) {
        return true;
    }
    auto* translator = new QTranslator(app);
    translator->setObjectName(kTranslatorName);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace fourbar::ui
