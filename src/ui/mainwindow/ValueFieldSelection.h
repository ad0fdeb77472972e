// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QLineEdit;

namespace mensurio {

/// Keeps text the program put into the value field (a restored value) selected whole until the
/// user works with it: the first click into the field keeps the selection, so that typing
/// replaces the text instead of joining it. A key press or that first click ends the rule;
/// after it clicks place the caret as usual.
class ValueFieldSelection : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ValueFieldSelection)
  public:
    /// Selects the field's whole text with the caret at its start (a long text shows its
    /// beginning) and keeps it selected through the first click.
    static void SelectProgramText(QLineEdit &field);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    explicit ValueFieldSelection(QLineEdit &field);
    void selectWhole();

    QLineEdit &m_field;
    bool m_programText = false;
};

} // namespace mensurio
