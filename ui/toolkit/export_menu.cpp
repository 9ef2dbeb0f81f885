// The context menu of a drawing area and the copying and saving behind it.
#include "ui/toolkit/export_menu.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QImageWriter>
#include <QMimeData>
#include <utility>

#include "ui/toolkit/drawing_area.h"
#include "ui/toolkit/save_file.h"

namespace fourbar::ui {

void copyPicture(const QImage& picture) {
    QApplication::clipboard()->setImage(picture);
}

void copyText(const QString& text, const QString& html) {
    auto* data = new QMimeData;
    data->setText(text);
    if (!html.isEmpty()) {
        data->setData(QStringLiteral("text/html"), html.toUtf8());
    }
    QApplication::clipboard()->setMimeData(data);
}

QByteArray pictureFileBytes(const QImage& picture, const QString& fileName) {
    QImage stated = picture;
    const int dotsPerMeter = qRound(96 / 0.0254 * picture.devicePixelRatio());
    stated.setDotsPerMeterX(dotsPerMeter);
    stated.setDotsPerMeterY(dotsPerMeter);
    QByteArray format = QFileInfo(fileName).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format)) {
        format = "png";
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    stated.save(&buffer, format.constData());
    return bytes;
}

ExportMenu::ExportMenu(DrawingArea* area)
    : QObject(area),
      area_(area),
      copy_(new QAction(QStringLiteral("复制"), area)),
      savePicture_(new QAction(QStringLiteral("保存图片..."), area)),
      exportCsv_(new QAction(QStringLiteral("导出CSV..."), area)) {
    area->setContextMenuPolicy(Qt::ActionsContextMenu);
    copy_->setObjectName(QStringLiteral("copyAction"));
    copy_->setShortcut(QKeySequence::Copy);
    copy_->setShortcutContext(Qt::WindowShortcut);
    connect(copy_, &QAction::triggered, area, &DrawingArea::copyToClipboard);
    area->addAction(copy_);
    savePicture_->setObjectName(QStringLiteral("savePictureAction"));
    connect(savePicture_, &QAction::triggered, this, &ExportMenu::savePictureAs);
    exportCsv_->setObjectName(QStringLiteral("exportCsv"));
    connect(exportCsv_, &QAction::triggered, this, &ExportMenu::exportCsvAs);
}

void ExportMenu::enableSavePicture(bool on, const QString& proposedName) {
    proposedPictureName_ = proposedName;
    if (on) {
        // Before "导出CSV...", whichever is switched on first.
        area_->insertAction(area_->actions().contains(exportCsv_) ? exportCsv_ : nullptr,
                            savePicture_);
    } else {
        area_->removeAction(savePicture_);
    }
}

void ExportMenu::savePictureAs() {
    const QString fileName =
        askSaveFileName(area_, QStringLiteral("保存图片"), QStringLiteral("PNG 图片 (*.png)"),
                        QStringLiteral("png"), proposedPictureName_);
    if (!fileName.isEmpty()) {
        savePicture(fileName);
    }
}

bool ExportMenu::savePicture(const QString& fileName) {
    return writeFileReporting(area_, fileName, pictureFileBytes(area_->image(), fileName));
}

void ExportMenu::enableCsvExport(CsvSource source, const QString& proposedName) {
    csv_ = std::move(source);
    proposedCsvName_ = proposedName;
    area_->addAction(exportCsv_);
}

void ExportMenu::exportCsvAs() {
    const std::optional<QByteArray> bytes = csv_ ? csv_() : std::nullopt;
    if (!bytes) {
        return;
    }
    const QString fileName =
        askSaveFileName(area_, QStringLiteral("导出CSV"), QStringLiteral("CSV 文件 (*.csv)"),
                        QStringLiteral("csv"), proposedCsvName_);
    if (!fileName.isEmpty()) {
        writeFileReporting(area_, fileName, *bytes);
    }
}

bool ExportMenu::exportCsv(const QString& fileName) {
    const std::optional<QByteArray> bytes = csv_ ? csv_() : std::nullopt;
    return bytes && writeFileReporting(area_, fileName, *bytes);
}

void ExportMenu::disable() {
    area_->setContextMenuPolicy(Qt::NoContextMenu);
    for (QAction* action : {copy_, savePicture_, exportCsv_}) {
        action->setEnabled(false);
    }
}

}  // namespace fourbar::ui
