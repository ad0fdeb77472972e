// SPDX-License-Identifier: MIT
#include "ui/rates/CurrencyRates.h"

#include "core/currency/CurrencyCategory.h"
#include "core/currency/RatesFile.h"
#include "core/db/Cp1252.h"
#include "core/engine/Engine.h"
#include "core/engine/RequestSettings.h"
#include "core/platform/Prompts.h"
#include "core/settings/IniFile.h"
#include "ui/rates/RatesDownload.h"
#include "ui/rates/RatesUpdateDialog.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace mensurio {

namespace {

constexpr const char *kHowToUpdate =
    "choose Action, Update Exchange Rates (or run mensurio-cli --update-rates)";

struct stat StampOf(const std::string &path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        info = {};
    return info;
}

bool SameStamp(const struct stat &a, const struct stat &b) {
    return a.st_ino == b.st_ino && a.st_dev == b.st_dev && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

} // namespace

CurrencyRates::CurrencyRates(UnitDatabase &database, Engine &engine, const ProgramSettings &settings,
                             IniFile &settingsFile, Prompts &prompts, QWidget *window)
    : QObject(window), m_database(database), m_engine(engine), m_settings(settings),
      m_settingsFile(settingsFile), m_prompts(prompts), m_window(window) {
    m_updateAction = new QAction(tr("&Update Exchange Rates..."), this);
    m_updateAction->setObjectName("UpdateExchangeRates");
    m_updateAction->setToolTip(tr("Update Exchange Rates"));
    connect(m_updateAction, &QAction::triggered, this, &CurrencyRates::openDialog);
    m_download = new RatesDownload(this);
    connect(m_download, &RatesDownload::progress, this, &CurrencyRates::downloadProgress);
    connect(m_download, &RatesDownload::finished, this, &CurrencyRates::downloaded);
    m_engine.SetMissingRateText([this](const std::string &unitName) { return missingRateText(unitName); });
}

CurrencyRates::~CurrencyRates() = default;

void CurrencyRates::Load(const std::string &directory) {
    m_path = RatesFile::PathIn(directory);
    readFile();
    apply();
    if (DownloadAtStart() && !(m_rates && DaysOfDate(m_rates->date) == TodayInDays())) {
        m_startDownload = true;
        QTimer::singleShot(0, this, [this] { m_download->Start(m_timeoutSeconds); });
    }
}

void CurrencyRates::readFile() {
    m_stamp = StampOf(m_path);
    RatesReading reading = RatesFile::Load(m_path);
    m_rates = std::move(reading.rates);
    m_problem = std::move(reading.error);
}

// The currencies get the rates, and a loaded Currency category its new factors (the rows stay
// the same, so the lists are not touched).
void CurrencyRates::apply() {
    ApplyExchangeRates(m_database, m_rates ? &*m_rates : nullptr);
    if (m_engine.CategoryName() == kCurrencyCategory)
        m_engine.LoadCategoryUnits(m_engine.CategoryName(), UnitListOptionsOf(m_settings));
}

void CurrencyRates::BeforeConversion() {
    if (m_path.empty() || m_engine.CategoryName() != kCurrencyCategory || SameStamp(StampOf(m_path), m_stamp))
        return;
    readFile();
    apply();
}

void CurrencyRates::ClearBeforeSave() {
    ApplyExchangeRates(m_database, nullptr);
}

std::string CurrencyRates::missingRateText(const std::string &unitName) const {
    if (m_rates)
        return "No rate for " + unitName + " in the " + RatesNote(*m_rates, TodayInDays());
    if (!m_problem.empty())
        return "No exchange rates: " + Cp1252::FromUtf8(m_problem) + "; " + kHowToUpdate;
    return std::string("No exchange rates loaded: ") + kHowToUpdate;
}

QString CurrencyRates::NoteText() const {
    if (!m_rates)
        return {};
    QString note = QString::fromStdString(RatesNote(*m_rates, TodayInDays()));
    if (!m_startFailure.isEmpty())
        note += tr("; the download at start failed");
    return note;
}

QString CurrencyRates::StatusText() const {
    if (m_rates)
        return tr("Rates in use: %1, %2 currencies.")
            .arg(QString::fromStdString(RatesNote(*m_rates, TodayInDays())))
            .arg(m_rates->rates.size());
    if (!m_problem.empty())
        return tr("The rates file cannot be used: %1").arg(QString::fromStdString(m_problem));
    return tr("No exchange rates loaded yet.");
}

bool CurrencyRates::DownloadAtStart() const {
    return m_settingsFile.ReadInteger(AtStartSection, AtStartKey, 0) != 0;
}

void CurrencyRates::SetDownloadAtStart(bool on) {
    try {
        m_settingsFile.WriteInteger(AtStartSection, AtStartKey, on ? 1 : 0);
    } catch (const std::exception &failure) {
        m_prompts.Error(failure.what());
    }
}

// Keeps the bytes as the rates file when they hold rates; the old file stays otherwise.
bool CurrencyRates::keep(std::string_view bytes, QString &message) {
    std::string error;
    const std::optional<ExchangeRates> rates = RatesFile::Update(m_path, bytes, error);
    if (!rates) {
        message = QString::fromStdString(error);
        return false;
    }
    m_rates = rates;
    m_problem.clear();
    m_startFailure.clear();
    m_stamp = StampOf(m_path);
    apply();
    message = QString::fromStdString(RatesFile::UpdatedText(*m_rates));
    emit ratesChanged();
    return true;
}

bool CurrencyRates::UpdateFromFile(const std::string &path, QString &message) {
    std::string bytes;
    std::string error;
    if (!RatesFile::ReadSource(path, bytes, error)) {
        message = tr("%1. The exchange rates were not changed.").arg(QString::fromStdString(error));
        return false;
    }
    if (keep(bytes, message))
        return true;
    message = tr("%1: %2. The exchange rates were not changed.").arg(QString::fromStdString(path), message);
    return false;
}

void CurrencyRates::StartDownload() {
    m_startDownload = false;
    m_download->Start(m_timeoutSeconds);
}

void CurrencyRates::CancelDownload() {
    m_download->Cancel();
}

bool CurrencyRates::Downloading() const {
    return m_download->Running();
}

void CurrencyRates::downloaded(bool ok, const QByteArray &body, const QString &problem) {
    QString message = problem;
    const bool kept =
        ok && keep(std::string_view(body.constData(), static_cast<std::size_t>(body.size())), message);
    if (!kept)
        message = tr("The download failed: %1. The exchange rates were not changed.").arg(message);
    if (m_startDownload && !kept) {
        m_startFailure = message;
        if (m_note)
            m_note->setToolTip(message);
    }
    m_startDownload = false;
    emit downloadFinished(kept, message);
}

void CurrencyRates::openDialog() {
    RatesUpdateDialog dialog(*this, m_prompts, m_window);
    dialog.exec();
}

// ---- The note beside a currency result --------------------------------------------------------

void CurrencyRates::AfterConversion(QLineEdit &output, bool showsResult) {
    const bool show = showsResult && m_rates && m_engine.CategoryName() == kCurrencyCategory;
    if (!show && m_note == nullptr)
        return;
    if (m_note == nullptr || m_noteField != &output) {
        delete m_note;
        m_note = new QLabel(&output);
        m_note->setObjectName("ratesNote");
        m_note->setForegroundRole(QPalette::PlaceholderText);
        m_noteField = &output;
        output.installEventFilter(this);
    }
    QFont font = m_note->font();
    font.setBold(NoteText().contains(QLatin1String("days old")));
    m_note->setFont(font);
    m_note->setToolTip(m_startFailure.isEmpty()
                           ? tr("The euro reference rates of the European Central Bank used for this result. "
                                "Action, Update Exchange Rates gets new ones.")
                           : m_startFailure);
    m_note->setAccessibleName(NoteText());
    m_noteWanted = show;
    placeNote();
}

// The note sits at the right end of the field, after the result; in a field too narrow for both,
// the result wins and the note stays in the field's tooltip.
void CurrencyRates::placeNote() {
    if (m_note == nullptr || m_noteField == nullptr)
        return;
    QLineEdit &field = *m_noteField;
    const QString note = NoteText();
    field.setToolTip(m_noteWanted ? note : QString());
    // The whole note, else its date and age alone ("2026-12-08 (ECB)", "2026-11-28, 12 days old").
    QString shortNote = note.mid(note.indexOf(QLatin1String("20")));
    if (shortNote.contains(QLatin1String("days old")))
        shortNote.remove(QStringLiteral(" (ECB)"));
    const int resultWidth = field.fontMetrics().horizontalAdvance(field.text()) + 16;
    m_note->setText(note);
    if (resultWidth + m_note->sizeHint().width() + 6 > field.width())
        m_note->setText(shortNote);
    const int width = m_note->sizeHint().width();
    if (!m_noteWanted || resultWidth + width + 6 > field.width()) {
        m_note->hide();
        field.setTextMargins(0, 0, 0, 0);
        return;
    }
    m_note->setGeometry(field.width() - width - 6, 0, width, field.height());
    m_note->show();
    field.setTextMargins(0, 0, width + 6, 0);
}

bool CurrencyRates::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_noteField && event->type() == QEvent::Resize)
        placeNote();
    return QObject::eventFilter(watched, event);
}

} // namespace mensurio
