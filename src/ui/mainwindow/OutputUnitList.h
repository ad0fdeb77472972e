// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>
#include <QStringList>

namespace mensurio {

/// The output unit list: a list of names that can also show a second column of values
/// (one entry per row, row i beside entry i), painted in two columns in the `TwoColumns` mode.
class OutputUnitList : public QListWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutputUnitList)
  public:
    /// TwoColumns: every row drawn in two columns, name and value; Standard: a plain list whose
    /// value column is kept but not drawn.
    enum class Mode { TwoColumns, Standard };

    /// Where a row's parts are drawn, in pixels from the row's left edge, for a list W pixels
    /// wide: the name at NameX, the value column cleared from W/2 - 5, the separator line at
    /// W/2 - 2 and the value at W/2 + 1.
    static constexpr int NameX = 2;
    static int ValueClearX(int width) { return width / 2 - 5; }
    static int SeparatorX(int width) { return width / 2 - 2; }
    static int ValueX(int width) { return width / 2 + 1; }
    /// The colour of the separator line (silver).
    static QColor LineColor();

    /// A list in extended selection and the Standard mode.
    explicit OutputUnitList(QWidget *parent = nullptr);
    ~OutputUnitList() override;

    Mode mode() const { return m_mode; }
    /// Switches the drawing mode and repaints. The rows and their selection stay as they are
    /// (there is no native window to re-create here, so nothing is lost by the switch).
    void setMode(Mode mode);

    /// The value column. Entries beyond the last row are kept but never drawn; rows beyond the
    /// last entry show no value. Changing it schedules a repaint of the value column.
    const QStringList &values() const { return m_values; }
    void setValues(const QStringList &values);
    void appendValue(const QString &value);
    void clearValues();
    /// The value beside a row, empty when the row has none.
    QString valueAt(int row) const;

    /// Redraws at once the value column of the visible rows, without a full repaint of the list.
    void QuickRepaint();

    /// The width W the two-column geometry is computed from: the width of the list's viewport.
    int columnWidth() const;

  private:
    void scheduleValueRepaint();
    QRect valueColumnRect() const;

    Mode m_mode = Mode::Standard;
    QStringList m_values;
};

} // namespace mensurio
