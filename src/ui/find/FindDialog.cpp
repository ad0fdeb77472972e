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

FindDialog::FindDialog(const UnitDatabase &database, ProgramSettings &settings, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_entries(SortedEntries(database)) {
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(QStringLiteral("Find"));
    m_displays.reserve(static_cast<qsizetype>(m_entries.size()));
    for (const FindEntry &entry : m_entries)
        m_displays.append(QtCp1252::ToQString(entry.display));
    createWidgets();
    layOut();
    connectControls();
    (m_settings.pgsdl5sort ? m_startOnly : m_anywhere)->setChecked(true);
    searchEdited();
    m_searchField->setFocus();
}

void FindDialog::createWidgets() {
    m_searchField = Named(new QLineEdit, "searchField");
    m_searchField->installEventFilter(this);
    m_searchField->setAccessibleName(QStringLiteral("Unit or category name"));
    m_matchList = Named(new QListWidget, "matchList");
    m_matchList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_matchList->setAccessibleName(QStringLiteral("Possible matches"));
    m_matchList->setUniformItemSizes(true); // thousands of rows are laid out without measuring each
    // A row wider than the list loses its middle, not its category at the end; the tooltip
    // shows it whole.
    m_matchList->setTextElideMode(Qt::ElideMiddle);
    m_startOnly = Named(new QRadioButton(QStringLiteral("Search &Start of Strings Only")), "searchStartOnly");
    m_anywhere = Named(new QRadioButton(QStringLiteral("Search &Entire Strings")), "searchAnywhere");
    m_goButton = Named(new QPushButton(QStringLiteral("&Go")), "goButton");
    m_goButton->setDefault(true);
    m_cancelButton = Named(new QPushButton(QStringLiteral("Cancel")), "cancelButton");
    m_cancelButton->setAutoDefault(false);
}

void FindDialog::layOut() {
    auto *left = new QVBoxLayout;
    left->addWidget(
        Named(new QLabel(QStringLiteral("Type all or part of a Unit or a Category Name")), "searchLabel"));
    left->addWidget(m_searchField);
    left->addWidget(Named(new QLabel(QStringLiteral("Possible Matches")), "matchesLabel"));
    left->addWidget(m_matchList, 1);

    auto *style = new QVBoxLayout;
    style->addWidget(Named(new QLabel(QStringLiteral("Search Style")), "searchStyleLabel"));
    style->addWidget(m_anywhere);
    style->addWidget(m_startOnly);
    auto *right = new QVBoxLayout;
    right->addWidget(m_goButton);
    right->addWidget(m_cancelButton);
    right->addStretch();
    right->addLayout(style);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    resize(520, 380);
}

void FindDialog::connectControls() {
    connect(m_searchField, &QLineEdit::textChanged, this, &FindDialog::searchEdited);
    connect(m_matchList, &QListWidget::itemSelectionChanged, this, &FindDialog::UpdateGo);
    connect(m_matchList, &QListWidget::itemDoubleClicked, this, &FindDialog::acceptSelected);
    connect(m_startOnly, &QRadioButton::clicked, this, &FindDialog::SearchStyleClick);
    connect(m_anywhere, &QRadioButton::clicked, this, &FindDialog::SearchStyleClick);
    connect(m_goButton, &QPushButton::clicked, this, &FindDialog::acceptSelected);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

// The search text is matched as plain text (no pattern characters); a character the code page
// cannot hold matches nothing.
void FindDialog::searchEdited() {
    const std::string search = QtCp1252::FromTypedQString(m_searchField->text());
    const bool anywhere = m_anywhere->isChecked();
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
        const QSignalBlocker blocked(m_matchList);
        m_matchList->clear();
        m_matchList->addItems(shown);
        for (int row = 0; row < m_matchList->count(); ++row)
            m_matchList->item(row)->setToolTip(m_matchList->item(row)->text());
    }
    UpdateGo();
}

void FindDialog::UpdateGo() {
    m_goButton->setEnabled(!m_matchList->selectedItems().isEmpty());
}

void FindDialog::SearchStyleClick() {
    m_settings.pgsdl5sort = m_startOnly->isChecked();
    searchEdited();
}

void FindDialog::acceptSelected() {
    const QList<QListWidgetItem *> selected = m_matchList->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_matchList->row(selected.first());
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size())
        return;
    m_chosen = m_rows[static_cast<std::size_t>(row)];
    accept();
}

std::optional<FindEntry> FindDialog::Chosen() const {
    if (!m_chosen)
        return std::nullopt;
    return m_entries[*m_chosen];
}

// Up, Down, Page Up and Page Down in the search field move the selection in the list.
void FindDialog::moveSelection(int key) {
    const int count = m_matchList->count();
    if (count == 0)
        return;
    const int page =
        std::max(1, m_matchList->viewport()->height() / std::max(1, m_matchList->sizeHintForRow(0)) - 1);
    const int current = m_matchList->selectedItems().isEmpty() ? -1 : m_matchList->currentRow();
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
    m_matchList->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    m_matchList->scrollToItem(m_matchList->item(row));
}

bool FindDialog::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_searchField && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            moveSelection(key);
            return true;
        }
        // Enter with nothing selected picks the first match (exact names and symbols lead).
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_matchList->selectedItems().isEmpty() &&
            m_matchList->count() > 0) {
            m_matchList->setCurrentRow(0);
            acceptSelected();
            return true;
        }
    }
    if (watched == m_searchField && event->type() == QEvent::MouseButtonPress)
        UpdateGo();
    return QDialog::eventFilter(watched, event);
}

} // namespace mensurio
