#pragma once

#include <QWidget>

// Kinds of the panels the main window shows in its body.
enum PanelKind { kPanelTypesOfBars = 0, kPanelJob = 1, kPanelInventory = 2 };

// Base of the panels of the main window. The main window owns the one shown panel and
// lays it out in its body below the toolbar.
class CPanel : public QWidget {
    Q_OBJECT
public:
    explicit CPanel(QWidget* parent) : QWidget(parent) {}
    virtual int Kind() const = 0;
};
