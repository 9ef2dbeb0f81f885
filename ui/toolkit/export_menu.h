// The context menu of a drawing area, "复制", "保存图片..." and "导出CSV...", and the copying and
// saving behind it.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QAction;
class QWidget;

namespace fourbar::ui {

class DrawingArea;

// The picture to the clipboard, as an image at device resolution.
void copyPicture(const QImage& picture);
// `text` to the clipboard as text/plain and, when `html` is not empty, `html` as text/html.
void copyText(const QString& text, const QString& html);

// `picture` as the bytes of an image file at device resolution, in the format the suffix of
// `fileName` names where one can be written ("x.jpg", "x.bmp"), PNG otherwise. The file states
// its resolution (96 dpi times the picture's ratio), so that programs that honour it show and
// print the picture at its size on the screen.
QByteArray pictureFileBytes(const QImage& picture, const QString& fileName);

// The actions of a drawing area's context menu, in this order:
// - "复制" (copyAction): DrawingArea::copyToClipboard; its shortcut Ctrl+C works wherever the focus
//   is in the area's window, except in a text box, which keeps Ctrl+C for its own text;
// - "保存图片..." (savePictureAction), once a window switches it on: the picture as shown, to a
//   file the user names;
// - "导出CSV..." (exportCsv), once a window gives it its bytes: a CSV file the user names.
// The file dialogs propose a name, add the default suffix to a name without one, and write through
// writeFileReporting (the whole file or none, a message on failure). Cancelling writes nothing.
class ExportMenu : public QObject {
    Q_OBJECT

  public:
    // Gives `area` its context menu holding "复制"; the menu is a child of the area.
    explicit ExportMenu(DrawingArea* area);

    void enableSavePicture(bool on, const QString& proposedName);
    // "保存图片...": asks for the file (PNG unless its name asks for another format) and saves.
    void savePictureAs();
    // The picture as shown to `fileName`; false (after a message) when it could not be written.
    bool savePicture(const QString& fileName);

    // The bytes of the CSV file, or nullopt when there is nothing to write (the source tells the
    // user why).
    using CsvSource = std::function<std::optional<QByteArray>()>;
    // Adds "导出CSV..." behind the other items; its dialog proposes `proposedName`.
    void enableCsvExport(CsvSource source, const QString& proposedName);
    // "导出CSV...": takes the bytes first, so that nothing is asked when there is nothing to
    // write, then asks for the file and writes them.
    void exportCsvAs();
    // The bytes to `fileName`; false when nothing was written.
    bool exportCsv(const QString& fileName);

    // No context menu and no Ctrl+C.
    void disable();

  private:
    DrawingArea* area_;
    QAction* copy_;
    QAction* savePicture_;
    QAction* exportCsv_;
    QString proposedPictureName_;
    QString proposedCsvName_;
    CsvSource csv_;
};

}  // namespace fourbar::ui
