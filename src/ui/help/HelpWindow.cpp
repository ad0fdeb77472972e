// SPDX-License-Identifier: MIT
#include "ui/help/HelpWindow.h"

#include "core/platform/Prompts.h"
#include "ui/shared/BundledResources.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <utility>

namespace mensurio {

namespace {

const QString kIndexFile = QStringLiteral("index.html");
const QString kMetricFile = QStringLiteral("metric.html");

QPushButton *AddButton(QHBoxLayout *row, const QString &caption, const char *objectName) {
    auto *button = new QPushButton(caption);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent, QString root) : QWidget(parent, Qt::Window), m_root(std::move(root)) {
    EnsureBundledResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Mensurio Help"));
    resize(680, 560);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setAccessibleName(tr("Help text"));

    auto *buttons = new QHBoxLayout;
    QPushButton *back = AddButton(buttons, tr("&Back"), "BackButton");
    QPushButton *forward = AddButton(buttons, tr("&Forward"), "ForwardButton");
    QPushButton *contents = AddButton(buttons, tr("&Contents"), "ContentsButton");
    QPushButton *metric = AddButton(buttons, tr("&Metric Prefixes"), "MetricButton");
    buttons->addStretch();
    QPushButton *close = AddButton(buttons, tr("C&lose"), "CloseButton");

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { OpenPage(HelpPage::Index); });
    connect(metric, &QPushButton::clicked, this, [this] { OpenPage(HelpPage::MetricPrefixes); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

QString HelpWindow::DefaultRoot() {
    return QStringLiteral(":/help");
}

bool HelpWindow::OpenPage(HelpPage page) {
    if (page == HelpPage::MetricPrefixes && OpenFile(kMetricFile))
        return true;
    return OpenFile(kIndexFile);
}

QUrl HelpWindow::Source() const {
    return m_browser->source();
}

bool HelpWindow::OpenFile(const QString &fileName) {
    const QString path = m_root + QLatin1Char('/') + fileName;
    if (!QFileInfo(path).isFile())
        return false;
    m_browser->setSource(UrlOf(fileName));
    return true;
}

// Resource paths become qrc: addresses so that relative links resolve inside the resources.
QUrl HelpWindow::UrlOf(const QString &fileName) const {
    const QString path = m_root + QLatin1Char('/') + fileName;
    if (path.startsWith(QLatin1Char(':')))
        return QUrl(QStringLiteral("qrc") + path);
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

HelpWindow *HelpWindow::ShowHelp(HelpPage page, Prompts &prompts, QWidget *owner, const QString &root) {
    HelpWindow *window =
        owner ? owner->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    const bool created = window == nullptr;
    if (created) {
        window = new HelpWindow(owner, root);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (!window->OpenPage(page)) {
        if (created)
            delete window;
        prompts.Beep();
        prompts.Information(kMissingHelpMessage);
        return nullptr;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace mensurio
