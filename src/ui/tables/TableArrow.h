// SPDX-License-Identifier: MIT
#pragma once

#include "core/tables/ReportTemplate.h"

#include <QWidget>

namespace mensurio {

/// The arrow of the table dialog's example panel, drawn as on the printed page: three
/// arrowheads pointing right or left.
class TableArrow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TableArrow)
  public:
    explicit TableArrow(QWidget *parent = nullptr);
    void SetForm(ArrowForm form);
    ArrowForm Form() const { return m_form; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    ArrowForm m_form = ArrowForm::Right;
};

} // namespace mensurio
