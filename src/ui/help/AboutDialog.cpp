// SPDX-License-Identifier: MIT
#include "ui/help/AboutDialog.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>

namespace mensurio {

namespace {

QLabel *AddLabel(QVBoxLayout *layout, const QString &text, const char *objectName) {
    auto *label = new QLabel(text);
    label->setObjectName(QLatin1String(objectName));
    label->setAlignment(Qt::AlignHCenter);
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

} // namespace

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("About Mensurio"));

    auto *layout = new QVBoxLayout(this);
    QLabel *name = AddLabel(layout, QStringLiteral("Mensurio"), "ProductName");
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.8);
    nameFont.setBold(true);
    name->setFont(nameFont);
    AddLabel(layout, VersionText(), "Version");
    AddLabel(layout, DescriptionText(), "Description");
    AddLabel(layout, QtVersionText(), "QtVersion");

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->setCenterButtons(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString AboutDialog::VersionText() {
    return tr("Version %1").arg(QStringLiteral(MENSURIO_VERSION));
}

QString AboutDialog::DescriptionText() {
    return tr("Converts measurements between the units of many categories while you type.");
}

QString AboutDialog::QtVersionText() {
    return tr("Built with Qt %1, running on Qt %2")
        .arg(QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion()));
}

} // namespace mensurio
