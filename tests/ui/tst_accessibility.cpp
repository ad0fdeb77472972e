// SPDX-License-Identifier: MIT
// Every window and dialog walked through the accessibility interface: each control that takes
// the focus has a name, and no two controls of one window share a name.
#include "core/custom/CustomCategories.h"
#include "core/custom/CustomUnits.h"
#include "core/platform/StartupLink.h"
#include "ui/custom/CustomCategoriesDialog.h"
#include "ui/custom/CustomCategoryEditor.h"
#include "ui/custom/CustomUnitEditor.h"
#include "ui/custom/CustomUnitsDialog.h"
#include "ui/find/FindDialog.h"
#include "ui/help/AboutDialog.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/TipOfTheDayDialog.h"
#include "ui/mainwindow/CategoryGridKeys.h"
#include "ui/mainwindow/CategoryMenu.h"
#include "ui/manage/ManageDialog.h"
#include "ui/preferences/PreferencesDialog.h"
#include "ui/support/WindowHarness.h"
#include "ui/tables/PreviewDialog.h"
#include "ui/tables/TablesDialog.h"

#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <map>

using namespace mensurio;
using namespace mensurio::test;

namespace {

using Names = std::map<QObject *, QString>;

// The name a screen reader gives a control. A combo box or a tab bar reports its current item as
// its name on this platform; it is known by its label (a buddy) or else its own accessible name.
QString NameOf(QAccessibleInterface *node) {
    if (node->role() != QAccessible::ComboBox && node->role() != QAccessible::PageTabList)
        return node->text(QAccessible::Name);
    for (const auto &[label, relation] : node->relations(QAccessible::Label))
        return label->text(QAccessible::Name);
    return static_cast<QWidget *>(node->object())->accessibleName();
}

// The names of the focusable controls reachable from `node` in the accessibility tree, skipping
// what is invisible. List rows and table cells are items, not controls: they have no object.
void Collect(QAccessibleInterface *node, Names &names) {
    if (node == nullptr || node->state().invisible)
        return;
    auto *widget = qobject_cast<QWidget *>(node->object());
    if (widget != nullptr && widget->focusPolicy() != Qt::NoFocus)
        names[widget] = NameOf(node);
    for (int i = 0; i < node->childCount(); ++i)
        Collect(node->child(i), names);
}

// Walks `top` once per page of its tab widgets, so that controls on hidden pages count too.
Names Walk(QWidget *top) {
    Names names;
    const QList<QTabWidget *> tabs = top->findChildren<QTabWidget *>();
    int pages = 1;
    for (const QTabWidget *tab : tabs)
        pages = std::max(pages, tab->count());
    for (int page = 0; page < pages; ++page) {
        for (QTabWidget *tab : tabs)
            tab->setCurrentIndex(std::min(page, tab->count() - 1));
        Collect(QAccessible::queryAccessibleInterface(top), names);
    }
    return names;
}

QString Description(QWidget *widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

QString Describe(QObject *object) {
    return QString("%1 (%2)").arg(object->objectName(), object->metaObject()->className());
}

// The faults of one window: controls without a name, names given twice, and words of another
// platform ("Default Windows Calculator").
QStringList Faults(QWidget *top) {
    top->show();
    if (!QTest::qWaitForWindowExposed(top))
        return {"not exposed"};
    QStringList faults;
    std::map<QString, QObject *> seen;
    for (const auto &[object, name] : Walk(top)) {
        const QString key = QString(name).remove('&').trimmed().toLower();
        if (key.isEmpty())
            faults << "no name: " + Describe(object);
        else if (key.contains("windows"))
            faults << QString("\"%1\": %2").arg(name, Describe(object));
        else if (const auto [it, added] = seen.emplace(key, object); !added)
            faults << QString("\"%1\" twice: %2 and %3").arg(name, Describe(it->second), Describe(object));
    }
    return faults;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
  private:
    WindowHarness h;
    MainWindow *window = nullptr;

    void check(QWidget *top) {
        const QStringList faults = Faults(top);
        QVERIFY2(faults.isEmpty(), qPrintable(top->objectName() + ": " + faults.join("; ")));
    }

    QWidget *focused() const { return QApplication::focusWidget(); }

  private slots:
    void initTestCase() {
        window = &h.Start();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("the window did not become active");
    }

    // The result and the messages reach a screen reader from the value field itself.
    void conversion_announcedInTheValueFieldsDescription_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("description");
        QTest::newRow("result with its unit") << "12"
                                              << "Result: 3.6576 meter";
        QTest::newRow("message as it is") << "12+"
                                          << "invalid or incomplete expression";
    }
    void conversion_announcedInTheValueFieldsDescription() {
        QFETCH(QString, typed);
        QFETCH(QString, description);
        h.ChooseCategory("Length");
        ClickRow(h.Find<QListWidget>("inputList"), "foot");
        ClickRow(h.Find<QListWidget>("outputList"), "meter");
        h.Type("7");
        h.Type(typed);
        auto *valueField = h.Find<QLineEdit>("valueField");
        QCOMPARE(Description(valueField), description);
    }

    // Tab walks the window's controls top to bottom; every one of them takes the focus.
    void tab_reachesEveryControlInLayoutOrder() {
        h.ChooseCategory("Pressure");
        h.Find<QToolButton>("categoryButton")->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < 12 && focused() != nullptr; ++i) {
            visited << focused()->objectName();
            QTest::keyClick(focused(), Qt::Key_Tab);
        }
        const QStringList expected = {"categoryButton", "valueField",     "resultField", "inputPressure",
                                      "inputList",      "outputPressure", "outputList",  "categoryTabs"};
        QCOMPARE(visited.mid(0, expected.size()), expected);
        QCOMPARE(visited.value(expected.size()), QString("categoryButton"));
    }

    // The focused list's current row is outlined, also when it is selected.
    void unitLists_showTheFocus() {
        h.ChooseCategory("Length");
        for (const char *name : {"inputList", "outputList"}) {
            auto *list = h.Find<QListWidget>(name);
            h.Find<QLineEdit>("valueField")->setFocus();
            QTRY_VERIFY(!list->hasFocus());
            const QImage without = list->grab().toImage();
            list->setFocus(Qt::OtherFocusReason);
            QTRY_VERIFY(list->hasFocus());
            QVERIFY2(list->grab().toImage() != without, name);
        }
    }

    void categoryGrid_targets_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("target");
        // 11 items in columns of 4: 0-3, 4-7, 8-10.
        QTest::newRow("down") << int(Qt::Key_Down) << 3 << 4;
        QTest::newRow("down at the end") << int(Qt::Key_Down) << 10 << 10;
        QTest::newRow("up at the start") << int(Qt::Key_Up) << 0 << 0;
        QTest::newRow("right") << int(Qt::Key_Right) << 1 << 5;
        QTest::newRow("right into a short column") << int(Qt::Key_Right) << 7 << 7;
        QTest::newRow("left") << int(Qt::Key_Left) << 9 << 5;
        QTest::newRow("left in the first column") << int(Qt::Key_Left) << 2 << 2;
        QTest::newRow("home") << int(Qt::Key_Home) << 6 << 0;
        QTest::newRow("end") << int(Qt::Key_End) << 6 << 10;
        QTest::newRow("other key") << int(Qt::Key_Escape) << 6 << -1;
    }
    void categoryGrid_targets() {
        QFETCH(int, key);
        QFETCH(int, current);
        QFETCH(int, target);
        QCOMPARE(CategoryGridKeys::Target(key, current, 11, 4), target);
    }

    // The three-column category menu opens on the current category and is used with the keys.
    void categoryGrid_keyboard() {
        QMenu menu;
        int chosen = -1;
        CategoryMenu categories(menu, [&chosen](int index) { chosen = index; });
        const QStringList names = {"Area", "Length", "Mass",   "Power", "Pressure", "Speed",
                                   "Time", "Torque", "Volume", "Angle", "Charge",   "Current"};
        for (const QString &name : names)
            categories.AddItem(name);
        categories.SplitColumns(); // columns of 4
        categories.MoveCheck(5);
        menu.popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        const auto focusedName = [this] {
            auto *button = qobject_cast<QToolButton *>(focused());
            return button ? button->defaultAction()->data().toString() : QString();
        };
        QTRY_COMPARE(focusedName(), QString("Speed"));
        const struct {
            int key;
            QString expected;
        } steps[] = {{Qt::Key_Down, "Time"},
                     {Qt::Key_Right, "Charge"},
                     {Qt::Key_Home, "Area"},
                     {Qt::Key_End, "Current"},
                     {Qt::Key_Left, "Torque"}};
        for (const auto &step : steps) {
            QTest::keyClick(focused(), Qt::Key(step.key));
            QCOMPARE(focusedName(), step.expected);
        }
        QTest::keyClick(focused(), Qt::Key_P);
        QCOMPARE(focusedName(), QString("Power")); // "p" after Torque wraps round to Power
        QTest::keyClick(focused(), Qt::Key_R);
        QCOMPARE(focusedName(), QString("Pressure")); // "pr" extends the search
        QTest::keyClick(focused(), Qt::Key_Return);
        QCOMPARE(chosen, 4);
        QTRY_VERIFY(!menu.isVisible());
    }

    void mainWindow_data() {
        QTest::addColumn<QString>("category");
        QTest::newRow("Length") << "Length";
        QTest::newRow("Pressure") << "Pressure";
        QTest::newRow("Numbers") << "Numbers";
        QTest::newRow("Fractions") << "Fractions";
    }
    void mainWindow() {
        QFETCH(QString, category);
        h.ChooseCategory(category);
        check(window);
    }

    void dialogs_data() {
        QTest::addColumn<int>("which");
        const char *names[] = {"About",           "Tip of the Day", "Preferences", "Find",
                               "Manage",          "Custom Units",   "Unit editor", "Custom Categories",
                               "Category editor", "Tables",         "Help"};
        for (int i = 0; i < int(std::size(names)); ++i)
            QTest::newRow(names[i]) << i;
    }
    void dialogs() {
        QFETCH(int, which);
        h.ChooseCategory("Length");
        UnitDatabase &db = window->database();
        ProgramSettings &settings = window->settings();
        Prompts &prompts = window->prompts();
        CustomUnits units(db, window->Separators());
        CustomCategories categories(db);
        const std::function<std::unique_ptr<QWidget>()> makers[] = {
            [&] { return std::make_unique<AboutDialog>(window); },
            [&] { return std::make_unique<TipOfTheDayDialog>(true, 0, window); },
            [&] {
                return std::make_unique<PreferencesDialog>(
                    *window, StartupLink(h.dir.file("autostart"), h.dir.file("mensurio")), window);
            },
            [&] { return std::make_unique<FindDialog>(db, settings, window); },
            [&] {
                return std::make_unique<ManageDialog>(db, settings, prompts, ManageDialogHooks{}, window);
            },
            [&] { return std::make_unique<CustomUnitsDialog>(db, prompts, "Length", window); },
            [&] {
                return std::make_unique<CustomUnitEditor>(units, prompts, "Length", UnitEditorMode::Add, "",
                                                          window);
            },
            [&] { return std::make_unique<CustomCategoriesDialog>(db, prompts, window); },
            [&] {
                return std::make_unique<CustomCategoryEditor>(categories, prompts, CategoryEditorMode::Add,
                                                              "", window);
            },
            [&] {
                return std::make_unique<TablesDialog>(db, settings, prompts, window->Separators(), window);
            },
            [&] { return std::make_unique<HelpWindow>(); },
        };
        const std::unique_ptr<QWidget> dialog = makers[which]();
        check(dialog.get());
    }

    // The print preview is made by the tables dialog from a chosen row and column.
    void tablePreview() {
        h.ChooseCategory("Length");
        TablesDialog dialog(window->database(), window->settings(), window->prompts(), window->Separators(),
                            window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.findChild<QListWidget *>("rowUnits")->item(0)->setSelected(true);
        dialog.findChild<QListWidget *>("columnUnits")->item(0)->setSelected(true);
        bool looked = false;
        dialog.SetPreviewHook([&](PreviewDialog &preview) {
            check(&preview);
            looked = true;
        });
        QTest::mouseClick(dialog.findChild<QPushButton *>("previewButton"), Qt::LeftButton);
        QVERIFY(looked);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
