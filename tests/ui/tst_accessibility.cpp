// SPDX-License-Identifier: MIT
// Every window and dialog walked through the accessibility interface: each control that takes
// the focus has a name, and no two controls of one window share a name.
#include "core/custom/CustomCategories.h"
#include "core/custom/CustomUnits.h"
#include "core/platform/StartupLink.h"
#include "ui/HelpWindow.h"
#include "ui/TAboutBox.h"
#include "ui/TManageDlg.h"
#include "ui/TPagesDlg.h"
#include "ui/TPagesDlg1.h"
#include "ui/TPagesDlg2.h"
#include "ui/TPagesDlg3.h"
#include "ui/TPagesDlg4.h"
#include "ui/TPagesDlg5.h"
#include "ui/TPagesDlg6.h"
#include "ui/TPreview.h"
#include "ui/TTipDay.h"
#include "ui/support/WindowHarness.h"

#include <QAccessible>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <map>

using namespace mensurio;
using namespace mensurio::test;

namespace {

using Names = std::map<QObject *, QString>;

// The names of the focusable controls reachable from `node` in the accessibility tree, skipping
// what is invisible. List rows and table cells are items, not controls: they have no object.
void Collect(QAccessibleInterface *node, Names &names) {
    if (node == nullptr || node->state().invisible)
        return;
    auto *widget = qobject_cast<QWidget *>(node->object());
    if (widget != nullptr && widget->focusPolicy() != Qt::NoFocus)
        names[widget] = node->text(QAccessible::Name);
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

QString Describe(QObject *object) {
    return QString("%1 (%2)").arg(object->objectName(), object->metaObject()->className());
}

// The faults of one window: controls without a name, and names given twice.
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
    TForm1 *window = nullptr;

    void check(QWidget *top) {
        const QStringList faults = Faults(top);
        QVERIFY2(faults.isEmpty(), qPrintable(top->objectName() + ": " + faults.join("; ")));
    }

  private slots:
    void initTestCase() {
        window = &h.Start();
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
        const char *names[] = {"About",          "Tip of the Day", "Preferences",   "Find",
                               "Manage",         "Custom Units",   "Unit editor",   "Custom Categories",
                               "Category editor", "Tables",        "Help"};
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
            [&] { return std::make_unique<TAboutBox>(window); },
            [&] { return std::make_unique<TTipDay>(true, 0, window); },
            [&] {
                return std::make_unique<TPagesDlg2>(
                    *window, StartupLink(h.dir.file("autostart"), h.dir.file("mensurio")), window);
            },
            [&] { return std::make_unique<TPagesDlg5>(db, settings, window); },
            [&] { return std::make_unique<TManageDlg>(db, settings, prompts, ManageDialogHooks{}, window); },
            [&] { return std::make_unique<TPagesDlg>(db, prompts, "Length", window); },
            [&] { return std::make_unique<TPagesDlg1>(units, prompts, "Length", UnitEditorMode::Add, "", window); },
            [&] { return std::make_unique<TPagesDlg3>(db, prompts, window); },
            [&] {
                return std::make_unique<TPagesDlg4>(categories, prompts, CategoryEditorMode::Add, "", window);
            },
            [&] { return std::make_unique<TPagesDlg6>(db, settings, prompts, window->Separators(), window); },
            [&] { return std::make_unique<HelpWindow>(); },
        };
        const std::unique_ptr<QWidget> dialog = makers[which]();
        check(dialog.get());
    }

    // The print preview is made by the tables dialog from a chosen row and column.
    void tablePreview() {
        h.ChooseCategory("Length");
        TPagesDlg6 dialog(window->database(), window->settings(), window->prompts(), window->Separators(), window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.findChild<QListWidget *>("ListBoxThree1")->item(0)->setSelected(true);
        dialog.findChild<QListWidget *>("ListBoxThree2")->item(0)->setSelected(true);
        bool looked = false;
        dialog.SetPreviewHook([&](TPreview &preview) {
            check(&preview);
            looked = true;
        });
        QTest::mouseClick(dialog.findChild<QPushButton *>("BitBtn1"), Qt::LeftButton);
        QVERIFY(looked);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
