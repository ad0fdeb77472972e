// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <vector>

class QKeyEvent;
class QToolButton;

namespace mensurio {

/// The keys of the category grid, the three-column form of the category menu: arrows move
/// between the buttons (Up and Down through the columns in reading order, Left and Right to the
/// same row of the next column), Home and End go to the first and last, Enter and Space pick the
/// focused category, and typed letters go to the next category starting with them.
class CategoryGridKeys : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CategoryGridKeys)
  public:
    /// buttons in item order; columnHeight is the number of items of the first column.
    CategoryGridKeys(std::vector<QToolButton *> buttons, int columnHeight, QObject *parent);

    /// The button that should take the focus for a key (-1: the key is not the grid's).
    static int Target(int key, int current, int count, int columnHeight);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool handleKey(int current, const QKeyEvent &key);
    int typeAhead(int current, const QString &text);

    std::vector<QToolButton *> m_buttons;
    int m_columnHeight = 1;
    QString m_typed;
    QElapsedTimer m_sinceTyped;
};

} // namespace mensurio
