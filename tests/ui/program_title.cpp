// The windows' tests start as the program does: its title on every message box.
#include <QCoreApplication>
#include <QString>
#include <string_view>

#include "core/messages.h"
#include "ui/toolkit/message_box.h"

static void setProgramTitle() {
    const std::string_view title = fourbar::messages::appTitle;
    fourbar::ui::setMessageTitle(QString::fromUtf8(title.data(), qsizetype(title.size())));
}
Q_COREAPP_STARTUP_FUNCTION(setProgramTitle)
