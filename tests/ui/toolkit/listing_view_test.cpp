// Tests of the listing view: lines one below the other, the copy as text and as an HTML table, and
// clearing. Fields at their cells and the bottom edge are the table window's test.
#include <QtTest>
#include <QtWidgets>

#include "tests/ui/ui_test_support.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/listing_view.h"

using fourbar::test::inkBox;
using fourbar::ui::ListingView;
using Role = ListingView::LineRole;

namespace {

// One field on text line `line` of its listing line, whose text lines are padded as a caller
// lays them out (a field's text one column per character here).
ListingView::Line oneField(int line, int column, const QString& text, Role role = Role::Cells) {
    QStringList lines(line + 1);
    lines[line] = QString(column, QLatin1Char(' ')) + text;
    return {role, {{line, column, text}}, lines};
}

const QFont kSongTi = fourbar::ui::designFont(fourbar::ui::DesignFont::SongTi, 8);

}  // namespace

class ListingViewTest : public QObject {
    Q_OBJECT

  private slots:
    // Each line starts below the text lines of the one before, at the height of the cell it was
    // printed in.
    void linesFollowOneAnother() {
        ListingView view;
        view.resize(300, 100);
        view.setTextFont(kSongTi, QSize(6, 12));
        view.print(oneField(0, 0, "1"));
        view.setTextFont(kSongTi, QSize(5, 11));
        view.print(oneField(1, 0, "2"));  // two text lines
        view.print(oneField(0, 40, "3"));
        const QRect third = inkBox(view.image().copy(195, 0, 105, 100));
        QVERIFY2(third.top() >= 12 + 2 * 11 && third.bottom() < 12 + 3 * 11,
                 qPrintable(QString("%1..%2").arg(third.top()).arg(third.bottom())));
    }

    // The copy is the text lines as laid out, each ended by a line break, and an HTML table: a row
    // per line (a field that went on to the next text line stays in its row), a cell per field,
    // trimmed and escaped, headings as heading cells, the title in one cell across the table.
    void copiesTheLinesAsLaidOut() {
        ListingView view;
        view.resize(400, 200);
        view.print(oneField(0, 29, "四杆机构运动分析", Role::Title));
        view.print(
            {Role::Headings, {{0, 0, "L1杆转角"}, {0, 10, "L2杆转角"}}, {"L1杆转角  L2杆转角"}});
        view.print({Role::Cells, {{0, 2, " 90 "}, {1, 3, "-3.1<4&"}}, {"   90 ", "   -3.1<4&"}});
        QCOMPARE(view.lines(), QStringList({QString(29, ' ') + "四杆机构运动分析",
                                            "L1杆转角  L2杆转角", "   90 ", "   -3.1<4&"}));
        view.copyToClipboard();
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QCOMPARE(copied->text(), view.lines().join('\n') + '\n');
        QCOMPARE(QString::fromUtf8(copied->data("text/html")),
                 "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body><table>\n"
                 "<tr><td colspan=\"2\">四杆机构运动分析</td></tr>\n"
                 "<tr><th>L1杆转角</th><th>L2杆转角</th></tr>\n"
                 "<tr><td>90</td><td>-3.1&lt;4&amp;</td></tr>\n</table></body></html>\n");
    }

    // A new background colour clears the area and forgets the lines: the copy is empty text
    // without a table, and the next line is printed at the top again.
    void newBackgroundForgetsTheLines() {
        ListingView view;
        view.resize(300, 30);
        view.setTextFont(kSongTi, QSize(5, 11));
        for (int n = 0; n < 3; ++n) {
            view.print(oneField(0, 0, "8"));
        }
        QVERIFY(view.isFull());
        view.setBackColor(Qt::white);
        view.copyToClipboard();
        QCOMPARE(QApplication::clipboard()->text(), QString());
        QVERIFY(!QApplication::clipboard()->mimeData()->hasHtml());
        view.print(oneField(0, 0, "8"));
        QCOMPARE(view.lines(), QStringList("8"));
        QVERIFY(inkBox(view.image()).bottom() < 11);
    }
};

QTEST_MAIN(ListingViewTest)
#include "listing_view_test.moc"
