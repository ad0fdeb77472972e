// SPDX-License-Identifier: MIT
#include "ui/mainwindow/OutputUnitList.h"

#include <QImage>
#include <QPaintEvent>
#include <QtTest>

#include <vector>

using mensurio::OutputUnitList;

namespace {

constexpr int kListWidth = 240;

// Records the rectangles of the paint events a widget receives.
class PaintRecorder : public QObject {
  public:
    std::vector<QRect> rects;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            rects.push_back(static_cast<QPaintEvent *>(event)->rect());
        return QObject::eventFilter(watched, event);
    }
};

bool IsLineColor(QRgb pixel) {
    return QColor(pixel) == OutputUnitList::LineColor();
}

// Pixels of row `row` in column x of an image of the viewport.
std::vector<QRgb> Column(const QImage &image, const QRect &rowRect, int x) {
    std::vector<QRgb> pixels;
    for (int y = rowRect.top(); y <= rowRect.bottom(); ++y)
        pixels.push_back(image.pixel(x, y));
    return pixels;
}

int CountDiffering(const QImage &image, const QRect &rowRect, int fromX, int toX, QColor background) {
    int count = 0;
    for (int x = fromX; x <= toX; ++x)
        for (const QRgb pixel : Column(image, rowRect, x))
            count += QColor(pixel) != background ? 1 : 0;
    return count;
}

} // namespace

class TestListBoxTwo : public QObject {
    Q_OBJECT

    // A shown list with three rows, the first with a name long enough to reach the value column.
    // It takes no focus, so that no focus frame is drawn over the rows.
    static void fill(OutputUnitList &list) {
        list.setFocusPolicy(Qt::NoFocus);
        list.resize(kListWidth, 160);
        list.addItems({QString(40, QChar('W')), "meter", "foot"});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
    }

  private slots:
    void construction_isPlainListWithExtendedSelection() {
        OutputUnitList list;
        QCOMPARE(list.mode(), OutputUnitList::Mode::Standard);
        QCOMPARE(list.selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(list.values().isEmpty());
    }

    void valueColumn_entriesBelongToRowsByIndex() {
        OutputUnitList list;
        list.addItems({"a", "b", "c"});
        list.setValues({"1", "2"});
        list.appendValue("3");
        list.appendValue("4"); // beyond the last row: kept, never drawn
        QCOMPARE(list.valueAt(0), QString("1"));
        QCOMPARE(list.valueAt(2), QString("3"));
        QCOMPARE(list.valueAt(3), QString("4"));
        QCOMPARE(list.valueAt(4), QString());
        QCOMPARE(list.valueAt(-1), QString());
        list.clearValues();
        QCOMPARE(list.valueAt(0), QString());
        QCOMPARE(list.count(), 3);
    }

    void setMode_keepsRowsSelectionAndCurrentRow() {
        OutputUnitList list;
        list.addItems({"a", "b", "c", "d"});
        list.item(1)->setSelected(true);
        list.item(3)->setSelected(true);
        list.setCurrentRow(3, QItemSelectionModel::NoUpdate);
        list.setValues({"1", "2", "3", "4"});
        for (const auto mode : {OutputUnitList::Mode::TwoColumns, OutputUnitList::Mode::Standard,
                                OutputUnitList::Mode::TwoColumns}) {
            list.setMode(mode);
            QCOMPARE(list.mode(), mode);
            QCOMPARE(list.selectedItems().size(), 2);
            QVERIFY(list.item(1)->isSelected() && list.item(3)->isSelected());
            QCOMPARE(list.currentRow(), 3);
            QCOMPARE(list.values().size(), 4);
        }
    }

    void paint_twoColumns_lineAtHalfWidthMinusTwo() {
        OutputUnitList list;
        fill(list);
        list.setValues({"12.5", "", "3"});
        list.setMode(OutputUnitList::Mode::TwoColumns);
        const QImage image = list.viewport()->grab().toImage();
        const int width = list.columnWidth();
        QCOMPARE(width, list.viewport()->width());
        const QColor base = list.palette().color(QPalette::Active, QPalette::Base);
        for (int row = 0; row < list.count(); ++row) {
            const QRect rect = list.visualItemRect(list.item(row));
            for (const QRgb pixel : Column(image, rect, OutputUnitList::SeparatorX(width)))
                QVERIFY2(IsLineColor(pixel), qPrintable(QString("row %1").arg(row)));
            for (const int x : {OutputUnitList::SeparatorX(width) - 1, OutputUnitList::SeparatorX(width) + 1})
                for (const QRgb pixel : Column(image, rect, x))
                    QVERIFY(!IsLineColor(pixel));
        }
        const QRect first = list.visualItemRect(list.item(0));
        // The long name is cut where the value column is cleared, and the name starts at x = 2.
        QCOMPARE(CountDiffering(image, first, OutputUnitList::ValueClearX(width),
                                OutputUnitList::SeparatorX(width) - 1, base),
                 0);
        QVERIFY(CountDiffering(image, first, OutputUnitList::NameX, OutputUnitList::ValueClearX(width) - 1,
                               base) > 0);
        QCOMPARE(CountDiffering(image, first, 0, OutputUnitList::NameX - 1, base), 0);
        // Values are drawn right of the line, only where a row has one.
        QCOMPARE(CountDiffering(image, first, OutputUnitList::SeparatorX(width) + 1,
                                OutputUnitList::ValueX(width) - 1, base),
                 0);
        QVERIFY(CountDiffering(image, first, OutputUnitList::ValueX(width), width - 1, base) > 0);
        const QRect second = list.visualItemRect(list.item(1));
        QCOMPARE(CountDiffering(image, second, OutputUnitList::SeparatorX(width) + 1, width - 1, base), 0);
    }

    void paint_selectedRow_usesHighlightAcrossTheWholeRow() {
        OutputUnitList list;
        fill(list);
        list.setMode(OutputUnitList::Mode::TwoColumns);
        list.item(2)->setSelected(true);
        const QImage image = list.viewport()->grab().toImage();
        const QRect rect = list.visualItemRect(list.item(2));
        const QColor highlight = list.palette().color(QPalette::Active, QPalette::Highlight);
        const QColor inactive = list.palette().color(QPalette::Inactive, QPalette::Highlight);
        const int width = list.columnWidth();
        for (const int x : {0, OutputUnitList::ValueClearX(width), width - 2}) {
            const QColor pixel(image.pixel(x, rect.center().y()));
            QVERIFY2(pixel == highlight || pixel == inactive, qPrintable(QString("x %1").arg(x)));
        }
    }

    void paint_standardMode_drawsNoValueColumn() {
        OutputUnitList list;
        fill(list);
        list.setValues({"12.5", "7", "3"});
        const QImage image = list.viewport()->grab().toImage();
        const int width = list.columnWidth();
        const QColor base = list.palette().color(QPalette::Active, QPalette::Base);
        const QRect second = list.visualItemRect(list.item(1));
        for (const QRgb pixel : Column(image, second, OutputUnitList::SeparatorX(width)))
            QVERIFY(!IsLineColor(pixel));
        QCOMPARE(CountDiffering(image, second, OutputUnitList::SeparatorX(width), width - 1, base), 0);
    }

    void quickRepaint_repaintsOnlyTheValueColumnAtOnce() {
        OutputUnitList list;
        fill(list);
        list.setMode(OutputUnitList::Mode::TwoColumns);
        QCoreApplication::processEvents();
        PaintRecorder recorder;
        list.viewport()->installEventFilter(&recorder);
        list.QuickRepaint();
        QCOMPARE(recorder.rects.size(), size_t(1)); // synchronous, no event loop needed
        const QRect painted = recorder.rects.front();
        QCOMPARE(painted.left(), OutputUnitList::ValueClearX(list.columnWidth()));
        QCOMPARE(painted.right(), list.viewport()->width() - 1);

        recorder.rects.clear();
        list.setMode(OutputUnitList::Mode::Standard);
        QCoreApplication::processEvents();
        recorder.rects.clear();
        list.QuickRepaint();
        QVERIFY(recorder.rects.empty());
    }

    void setValues_showsNewValuesAfterTheNextPaint() {
        OutputUnitList list;
        fill(list);
        list.setMode(OutputUnitList::Mode::TwoColumns);
        const QColor base = list.palette().color(QPalette::Active, QPalette::Base);
        const QRect second = list.visualItemRect(list.item(1));
        const int width = list.columnWidth();
        QCOMPARE(CountDiffering(list.viewport()->grab().toImage(), second, OutputUnitList::ValueX(width),
                                width - 1, base),
                 0);
        list.setValues({"", "1000"});
        QVERIFY(CountDiffering(list.viewport()->grab().toImage(), second, OutputUnitList::ValueX(width),
                               width - 1, base) > 0);
    }
};

QTEST_MAIN(TestListBoxTwo)
#include "tst_outputunitlist.moc"
