// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace mensurio {

class Prompts;

/// The pages of the bundled help.
enum class HelpPage {
    Index,          // Help Topics
    MetricPrefixes, // Metric Prefixes
};

/// The in-program help: a browser window over the bundled HTML pages, with Back, Forward and
/// Contents. Links between the pages and to anchors inside a page work.
class HelpWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpWindow)

  public:
    static constexpr char kMissingHelpMessage[] = "HTML Help is needed to start the Mensurio Help.";

    /// `root` is the folder that holds index.html and metric.html: the bundled ":/help" unless a
    /// test gives another.
    explicit HelpWindow(QWidget *parent = nullptr, QString root = DefaultRoot());

    static QString DefaultRoot();

    /// Shows the page. Metric Prefixes falls back to the index when its page is missing. False
    /// (and nothing shown) when no page can be found.
    bool OpenPage(HelpPage page);

    /// The address of the page shown.
    QUrl Source() const;
    QTextBrowser *Browser() const { return m_browser; }

    /// The Help Topics and Metric Prefixes commands: opens the page in the owner's help window,
    /// creating it on first use, and brings it to the front. When the help cannot be found: the
    /// beep and the information "HTML Help is needed to start the Mensurio Help."; returns null.
    static HelpWindow *ShowHelp(HelpPage page, Prompts &prompts, QWidget *owner,
                                const QString &root = DefaultRoot());

  private:
    bool OpenFile(const QString &fileName);
    QUrl UrlOf(const QString &fileName) const;

    QString m_root;
    QTextBrowser *m_browser = nullptr;
};

} // namespace mensurio
