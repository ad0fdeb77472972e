// SPDX-License-Identifier: MIT
#pragma once

#include "core/currency/ExchangeRates.h"

#include <QObject>
#include <QString>

#include <optional>
#include <string>
#include <sys/stat.h>

class QAction;
class QLabel;
class QLineEdit;
class QWidget;

namespace mensurio {

class IniFile;
class Prompts;
class RatesDownload;
class Engine;
class UnitDatabase;
struct ProgramSettings;

/// The window's exchange rates: read from the rates file beside units.dat at start and applied
/// to the currencies in memory, picked up again when another program (mensurio-cli
/// --update-rates, another window) changed the file, updated from a file or a download on the
/// user's request, and named beside a currency result ("rates of 2026-12-08 (ECB)").
/// units.dat is never written for them.
class CurrencyRates : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CurrencyRates)
  public:
    /// The setting that downloads new rates at every start ([general], 0 or 1, off by default).
    static constexpr const char *AtStartSection = "general";
    static constexpr const char *AtStartKey = "RatesAtStart";

    CurrencyRates(UnitDatabase &database, Engine &engine, const ProgramSettings &settings,
                  IniFile &settingsFile, Prompts &prompts, QWidget *window);
    ~CurrencyRates() override;

    /// Action > Update Exchange Rates..., which opens the update dialog.
    QAction *UpdateAction() const { return m_updateAction; }

    /// Reads the rates file in `directory` (the folder of units.dat) and applies it; starts a
    /// download when the user asked for one at every start.
    void Load(const std::string &directory);
    /// Before a conversion: takes up rates that changed on disk since they were read.
    void BeforeConversion();
    /// After a conversion: shows the date of the rates beside a currency result in `output`.
    void AfterConversion(QLineEdit &output, bool showsResult);
    /// Before units.dat is written at exit: the currencies get their shipped factors back, so
    /// that the database file never holds rates.
    void ClearBeforeSave();

    // ---- Updating (the update dialog) -------------------------------------------------------
    /// Reads an ECB rates file chosen by the user; `message` says what happened.
    bool UpdateFromFile(const std::string &path, QString &message);
    /// Starts a download; downloadProgress and downloadFinished follow.
    void StartDownload();
    void CancelDownload();
    bool Downloading() const;
    /// "Rates in use: rates of 2026-12-08 (ECB), 30 currencies." or that there are none.
    QString StatusText() const;
    bool DownloadAtStart() const;
    void SetDownloadAtStart(bool on);
    /// How long a download may take, in seconds; 0: the downloader's default.
    void SetDownloadTimeout(int seconds) { m_timeoutSeconds = seconds; }

    const std::optional<ExchangeRates> &Rates() const { return m_rates; }
    /// The text beside a currency result; empty without rates.
    QString NoteText() const;
    std::string Path() const { return m_path; }

  signals:
    void downloadProgress(qint64 received, qint64 total);
    void downloadFinished(bool ok, const QString &message);
    /// New rates are in: the window converts again.
    void ratesChanged();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void readFile();
    void apply();
    void downloaded(bool ok, const QByteArray &body, const QString &problem);
    bool keep(std::string_view bytes, QString &message);
    std::string missingRateText(const std::string &unitName) const;
    void placeNote();
    void openDialog();

    UnitDatabase &m_database;
    Engine &m_engine;
    const ProgramSettings &m_settings;
    IniFile &m_settingsFile;
    Prompts &m_prompts;
    QWidget *m_window;
    QAction *m_updateAction = nullptr;
    RatesDownload *m_download = nullptr;
    QLabel *m_note = nullptr;
    QLineEdit *m_noteField = nullptr;
    bool m_noteWanted = false; // a currency result with rates is shown
    std::string m_path;
    std::optional<ExchangeRates> m_rates;
    std::string m_problem;  // why the rates file could not be read
    QString m_startFailure; // why the download at start failed
    struct stat m_stamp {}; // the rates file as last read (all zero: missing)
    bool m_startDownload = false;
    int m_timeoutSeconds = 0;
};

} // namespace mensurio
