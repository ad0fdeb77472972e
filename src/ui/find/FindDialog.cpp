// SPDX-License-Identifier: MIT
#include "ui/find/FindDialog.h"

#include "core/db/UnitDatabase.h"
#include "core/engine/BuiltinAliases.h"
#include "core/settings/ProgramSettings.h"
#include "ui/shared/DialogWidgets.h"
#include "ui/shared/LocaleCollation.h"
#include "ui/shared/QtCp1252.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace mensurio {

namespace {

std::vector<FindEntry> SortedEntries(const UnitDatabase &database) {
    std::vector<FindEntry> entries = BuildFindEntries(database);
    AddFindAliases(entries, BuiltinAliases());
    std::vector<std::string> displays;
    displays.reserve(entries.size());
    for (const FindEntry &entry : entries)
        displays.push_back(entry.display);
    const LocaleCollation collation;
    SortFindEntries(entries, collation.Order(displays));
    return entries;
}

} // namespace

TPagesDlg5::TPagesDlg5(const UnitDatabase &database, ProgramSettings &settings, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_entries(SortedEntries(database)) {
    setObjectName(QStringLiteral("TPagesDlg5"));
    setWindowTitle(QStringLiteral("Find"));
    m_displays.reserve(static_cast<qsizetype>(m_entries.size()));
    for (const FindEntry &entry : m_entries)
        m_displays.append(QtCp1252::ToQString(entry.display));
    createWidgets();
    layOut();
    connectControls();
    (m_settings.pgsdl5sort ? RadioButton1 : RadioButton2)->setChecked(true);
    Edit1Change();
    Edit1->setFocus();
}

void TPagesDlg5::createWidgets() {
    Edit1 = Named(new QLineEdit, "Edit1");
    Edit1->installEventFilter(this);
    Edit1->setAccessibleName(QStringLiteral("Unit or category name"));
    ListBox1 = Named(new QListWidget, "ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setAccessibleName(QStringLiteral("Possible matches"));
    ListBox1->setUniformItemSizes(true); // thousands of rows are laid out without measuring each
    // A row wider than the list loses its middle, not its category at the end; the tooltip
    // shows it whole.
    ListBox1->setTextElideMode(Qt::ElideMiddle);
    RadioButton1 = Named(new QRadioButton(QStringLiteral("Search &Start of Strings Only")), "RadioButton1");
    RadioButton2 = Named(new QRadioButton(QStringLiteral("Search &Entire Strings")), "RadioButton2");
    BitBtn1 = Named(new QPushButton(QStringLiteral("&Go")), "BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = Named(new QPushButton(QStringLiteral("Cancel")), "BitBtn2");
    BitBtn2->setAutoDefault(false);
}

void TPagesDlg5::layOut() {
    auto *left = new QVBoxLayout;
    left->addWidget(
        Named(new QLabel(QStringLiteral("Type all or part of a Unit or a Category Name")), "StaticText1"));
    left->addWidget(Edit1);
    left->addWidget(Named(new QLabel(QStringLiteral("Possible Matches")), "StaticText3"));
    left->addWidget(ListBox1, 1);

    auto *style = new QVBoxLayout;
    style->addWidget(Named(new QLabel(QStringLiteral("Search Style")), "StaticText2"));
    style->addWidget(RadioButton2);
    style->addWidget(RadioButton1);
    auto *right = new QVBoxLayout;
    right->addWidget(BitBtn1);
    right->addWidget(BitBtn2);
    right->addStretch();
    right->addLayout(style);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    resize(520, 380);
}

void TPagesDlg5::connectControls() {
    connect(Edit1, &QLineEdit::textChanged, this, &TPagesDlg5::Edit1Change);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TPagesDlg5::UpdateGo);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TPagesDlg5::BitBtn1Click);
    connect(RadioButton1, &QRadioButton::clicked, this, &TPagesDlg5::SearchStyleClick);
    connect(RadioButton2, &QRadioButton::clicked, this, &TPagesDlg5::SearchStyleClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TPagesDlg5::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

// The search text is matched as plain text (no pattern characters); a character the code page
// cannot hold matches nothing.
void TPagesDlg5::Edit1Change() {
    const std::string search = QtCp1252::FromTypedQString(Edit1->text());
    const bool anywhere = RadioButton2->isChecked();
    QStringList shown;
    m_rows.clear();
    std::vector<std::size_t> partial;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const FindMatch match = MatchFindEntry(m_entries[i], search, anywhere);
        if (match == FindMatch::Exact)
            m_rows.push_back(i); // exact names and symbols first
        else if (match == FindMatch::Partial)
            partial.push_back(i);
    }
    m_rows.insert(m_rows.end(), partial.begin(), partial.end());
    for (const std::size_t i : m_rows)
        shown.append(m_displays[static_cast<qsizetype>(i)]);
    {
        const QSignalBlocker blocked(ListBox1);
        ListBox1->clear();
        ListBox1->addItems(shown);
        for (int row = 0; row < ListBox1->count(); ++row)
            ListBox1->item(row)->setToolTip(ListBox1->item(row)->text());
    }
    UpdateGo();
}

void TPagesDlg5::UpdateGo() {
    BitBtn1->setEnabled(!ListBox1->selectedItems().isEmpty());
}

void TPagesDlg5::SearchStyleClick() {
    m_settings.pgsdl5sort = RadioButton1->isChecked();
    Edit1Change();
}

void TPagesDlg5::BitBtn1Click() {
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = ListBox1->row(selected.first());
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size())
        return;
    m_chosen = m_rows[static_cast<std::size_t>(row)];
    accept();
}

std::optional<FindEntry> TPagesDlg5::Chosen() const {
    if (!m_chosen)
        return std::nullopt;
    return m_entries[*m_chosen];
}

// Up, Down, Page Up and Page Down in the search field move the selection in the list.
void TPagesDlg5::moveSelection(int key) {
    const int count = ListBox1->count();
    if (count == 0)
        return;
    const int page =
        std::max(1, ListBox1->viewport()->height() / std::max(1, ListBox1->sizeHintForRow(0)) - 1);
    const int current = ListBox1->selectedItems().isEmpty() ? -1 : ListBox1->currentRow();
    int row = current;
    switch (key) {
    case Qt::Key_Up:
        row = current - 1;
        break;
    case Qt::Key_Down:
        row = current + 1;
        break;
    case Qt::Key_PageUp:
        row = current - page;
        break;
    default:
        row = current < 0 ? page - 1 : current + page;
        break;
    }
    row = std::clamp(row, 0, count - 1);
    ListBox1->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    ListBox1->scrollToItem(ListBox1->item(row));
}

bool TPagesDlg5::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            moveSelection(key);
            return true;
        }
        // Enter with nothing selected picks the first match (exact names and symbols lead).
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ListBox1->selectedItems().isEmpty() &&
            ListBox1->count() > 0) {
            ListBox1->setCurrentRow(0);
            BitBtn1Click();
            return true;
        }
    }
    if (watched == Edit1 && event->type() == QEvent::MouseButtonPress)
        UpdateGo();
    return QDialog::eventFilter(watched, event);
}

} // namespace mensurio
