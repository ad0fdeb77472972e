// SPDX-License-Identifier: MIT
#include "ui/shared/MessageBoxPrompts.h"

#include "ui/shared/QtCp1252.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace mensurio {

namespace {

const QString kTitle = QStringLiteral("Mensurio");

} // namespace

void MessageBoxPrompts::Beep() {
    QApplication::beep();
}

void MessageBoxPrompts::Error(const std::string &text) {
    QMessageBox::critical(m_parent, kTitle, QtCp1252::ToQString(text), QMessageBox::Ok);
}

void MessageBoxPrompts::Information(const std::string &text) {
    QMessageBox::information(m_parent, kTitle, QtCp1252::ToQString(text), QMessageBox::Ok);
}

void MessageBoxPrompts::Warning(const std::string &text) {
    QMessageBox::warning(m_parent, kTitle, QtCp1252::ToQString(text), QMessageBox::Ok);
}

bool MessageBoxPrompts::Confirm(const std::string &text) {
    const auto answer = QMessageBox::question(m_parent, kTitle, QtCp1252::ToQString(text),
                                              QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes);
    return answer == QMessageBox::Yes;
}

bool MessageBoxPrompts::RetryCancel(const std::string &text, const std::string &title) {
    const auto answer = QMessageBox::warning(m_parent, QtCp1252::ToQString(title), QtCp1252::ToQString(text),
                                             QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry);
    return answer == QMessageBox::Retry;
}

std::string MessageBoxPrompts::SaveFileName(const std::string &title, const std::string &directory,
                                            const std::string &fileName, const std::string &filter) {
    const QString start = QDir(QString::fromStdString(directory)).filePath(QString::fromStdString(fileName));
    return QFileDialog::getSaveFileName(m_parent, QtCp1252::ToQString(title), start,
                                        QString::fromStdString(filter))
        .toStdString();
}

std::string MessageBoxPrompts::OpenFileName(const std::string &title, const std::string &directory,
                                            const std::string &filter) {
    return QFileDialog::getOpenFileName(m_parent, QtCp1252::ToQString(title),
                                        QString::fromStdString(directory), QString::fromStdString(filter))
        .toStdString();
}

} // namespace mensurio
