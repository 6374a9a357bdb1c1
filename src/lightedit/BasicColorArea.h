#pragma once

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

class ArrowWidget;
class BasicColorItem;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

// The block of colour swatches under a colour picker: preset colours and a row of user slots,
// each holding an add button or a swatch of a colour the owner stored. The owner keeps the
// colours; the block reports clicks, additions and deletions.
//   mode 0: two rows of five presets, five slots (the mouse DPI view)
//   mode 1: one row of nine presets, nine slots (the lighting settings panel)
class BasicColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit BasicColorArea(QWidget *parent = nullptr);
    ~BasicColorArea() override;

    // Builds the rows of mode 0 or 1, once.
    void setMode(int mode);
    int mode() const { return m_mode; }
    // Puts a swatch of (r, g, b) into an empty slot of the mode, in place of its add button.
    void addColorItem(int slot, int r, int g, int b);
    // Empties every slot.
    void clearColorItems();

    // For the views and tests that look at the block.
    QVBoxLayout *mainLayout() const { return m_mainLayout; }
    QHBoxLayout *slotRow() const { return m_slotRow; }
    QList<BasicColorItem *> userItems() const { return m_userItems; }
    QPushButton *addButton(int slot) const { return m_addButtons.value(slot); }
    ArrowWidget *deletePopup() const;

signals:
    void colorItemSelcSignal(QColor colour);
    void sigAddColor(int slot);
    void sigDeleteColor(int slot);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private slots:
    void onAddColor01() { emit sigAddColor(0); }
    void onAddColor02() { emit sigAddColor(1); }
    void onAddColor03() { emit sigAddColor(2); }
    void onAddColor04() { emit sigAddColor(3); }
    void onAddColor05() { emit sigAddColor(4); }
    void onAddColor06() { emit sigAddColor(5); }
    void onAddColor07() { emit sigAddColor(6); }
    void onAddColor08() { emit sigAddColor(7); }
    void onAddColor09() { emit sigAddColor(8); }
    void onBasicColorItemMouseRightButtonPress();
    void onDeleteBasicColor();

private:
    void buildRows();
    int slotCount() const;
    BasicColorItem *userItemAt(int slot) const;
    void putAddButtonBack(int slot);

    int m_mode = 1;
    QVBoxLayout *m_mainLayout = nullptr;
    QHBoxLayout *m_slotRow = nullptr;
    QList<BasicColorItem *> m_presets;
    QList<QPushButton *> m_addButtons;
    QPointer<ArrowWidget> m_deletePopup;
    QPointer<BasicColorItem> m_rightClickedItem;
    QList<BasicColorItem *> m_userItems;
};
