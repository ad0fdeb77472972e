// SPDX-License-Identifier: MIT
// The category tab strip of a long category list: a window of tabs around the current category
// with a tab for the categories on either side, and the window's own view of it.
#include "core/db/DatabaseFile.h"
#include "ui/mainwindow/CategoryTabs.h"
#include "ui/support/WindowHarness.h"

#include <QComboBox>
#include <QMenu>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

QStringList Names(int count) {
    QStringList names;
    for (int i = 0; i < count; ++i)
        names.append(QString("C%1").arg(i));
    return names;
}

QStringList TabTexts(const QTabBar &bar) {
    QStringList texts;
    for (int i = 0; i < bar.count(); ++i)
        texts.append(bar.tabText(i));
    return texts;
}

// A database of `count` categories of one unit each, the fixture's first.
std::string ManyCategories(int count) {
    UnitDatabase db = FixtureDatabase();
    for (int i = 0; i < count; ++i) {
        const std::string name = "Extra " + std::to_string(i);
        db.AddCategory(name, true);
        db.AddUnit(name, "unit " + std::to_string(i), "", 1.0L, true);
    }
    return DatabaseFile::ToBytes(db, "MNSA");
}

} // namespace

class TestCategoryTabs : public QObject {
    Q_OBJECT
  private slots:
    void shortList_oneTabPerCategory() {
        QTabBar bar;
        CategoryTabs tabs(bar);
        tabs.SetCategories(Names(3));
        QCOMPARE(TabTexts(bar), Names(3));
        tabs.Follow(2, {}, true);
        QCOMPARE(bar.currentIndex(), 2);
        for (int tab = 0; tab < 3; ++tab)
            QCOMPARE(tabs.CategoryOf(tab), tab);
    }

    // Where the window lies for a current category, and what its end tabs stand for.
    void longList_windowFollowsTheCurrentCategory() {
        const int size = CategoryTabs::WindowSize * 3;
        const int half = CategoryTabs::WindowSize / 2;
        struct Case {
            int current, first;
        };
        const Case cases[] = {{0, 0},
                              {CategoryTabs::WindowSize - 1, 0},
                              {CategoryTabs::WindowSize, CategoryTabs::WindowSize - half},
                              {size - 1, size - CategoryTabs::WindowSize},
                              {size / 2, size / 2 - half}};
        for (const Case &c : cases) {
            QTabBar bar;
            CategoryTabs tabs(bar);
            tabs.SetCategories(Names(size));
            tabs.Follow(c.current, {}, true);
            QCOMPARE(tabs.FirstShown(), c.first);
            const bool before = c.first > 0;
            const bool after = c.first + CategoryTabs::WindowSize < size;
            QCOMPARE(bar.count(), CategoryTabs::WindowSize + int(before) + int(after));
            QCOMPARE(bar.tabText(bar.currentIndex()), QString("C%1").arg(c.current));
            QCOMPARE(tabs.CategoryOf(bar.currentIndex()), c.current);
            if (before) {
                QCOMPARE(bar.tabText(0), CategoryTabs::BeforeCaption(c.first));
                QCOMPARE(tabs.CategoryOf(0), c.first - 1);
            }
            if (after) {
                const int rest = size - c.first - CategoryTabs::WindowSize;
                QCOMPARE(bar.tabText(bar.count() - 1), CategoryTabs::AfterCaption(rest));
                QCOMPARE(tabs.CategoryOf(bar.count() - 1), c.first + CategoryTabs::WindowSize);
            }
        }
    }

    void unlistedCategory_hasItsOwnTabWhileCurrent() {
        QTabBar bar;
        CategoryTabs tabs(bar);
        tabs.SetCategories(Names(CategoryTabs::WindowSize + 10));
        tabs.Follow(-1, "Secret", true);
        QCOMPARE(bar.tabText(bar.currentIndex()), QString("Secret"));
        QCOMPARE(tabs.CategoryOf(bar.currentIndex()), -1);
        const int withUnlisted = bar.count();
        tabs.Follow(3, {}, true);
        QCOMPARE(bar.count(), withUnlisted - 1);
        QCOMPARE(bar.tabText(bar.currentIndex()), QString("C3"));
    }

    // Clicking the tab after the window chooses the next category, whose tab is then current;
    // the selector and the category button agree.
    void window_tabAfterTheWindowChoosesTheNextCategory() {
        WindowHarness h(false);
        h.dir.write("units.dat", ManyCategories(CategoryTabs::WindowSize));
        h.Start();
        auto *bar = h.Find<QTabBar>("categoryTabs");
        QVERIFY(bar->tabText(bar->count() - 1).endsWith(QString::fromUtf8("more \u00BB")));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(bar->count() - 1).center());
        const QString chosen = h.Find<QComboBox>("categoryNames")->currentText();
        QCOMPARE(h.Find<QComboBox>("categoryNames")->currentIndex(), CategoryTabs::WindowSize);
        QCOMPARE(QString::fromStdString(h.window()->currentCategory()), chosen);
        QCOMPARE(bar->tabText(bar->currentIndex()), chosen);
        QCOMPARE(h.Find<QToolButton>("categoryButton")->text(), chosen);
    }

    // The category menu makes its items when it opens, for the categories of that moment.
    void window_categoryMenuIsMadeWhenItOpens() {
        WindowHarness h;
        h.Start();
        auto *menu = h.Find<QMenu>("categoryPopup");
        QVERIFY(menu->actions().isEmpty());
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), h.Find<QComboBox>("categoryNames")->count());
        h.ChooseCategory("Pressure");
        QCOMPARE(h.window()->currentCategory(), std::string("Pressure"));
    }
};

QTEST_MAIN(TestCategoryTabs)
#include "tst_categorytabs.moc"
