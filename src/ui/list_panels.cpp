#include "ui/list_panels.h"

#include <QSplitter>
#include <QVBoxLayout>

#include "core/main_title.h"
#include "core/texts.h"
#include "job/global_data.h"
#include "ui/guarded_call.h"
#include "ui/list_views.h"
#include "ui/main_window.h"

CPanelAddTypeOfBar::CPanelAddTypeOfBar(CMainWindow& mainWindow)
    : CPanel(&mainWindow), m_types(new CTypesOfBarsListView(mainWindow.Data(), this))
{
    setObjectName(QStringLiteral("typesOfBarsPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_types);
    connect(&mainWindow, &CMainWindow::settingsChanged, m_types, &CListView::SetColumnHeaders);
    SetMainTitle(LangText(T_PANEL_TYPES_OF_BARS), "");
}

CPanelStock::CPanelStock(CMainWindow& mainWindow)
    : CPanel(&mainWindow),
      m_mainWindow(mainWindow),
      m_types(new CTypesOfBarsListView(mainWindow.Data(), this)),
      m_stock(new CStockListView(mainWindow.Data(), this))
{
    setObjectName(QStringLiteral("inventoryPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_types);
    splitter->addWidget(m_stock);
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter);
    connect(&mainWindow, &CMainWindow::settingsChanged, m_types, &CListView::SetColumnHeaders);
    connect(&mainWindow, &CMainWindow::settingsChanged, m_stock, &CListView::SetColumnHeaders);
    connect(m_types, &CTypesOfBarsListView::typeOfBarSelected, this, &CPanelStock::SelectType);
    SetMainTitle(LangText(T_PANEL_MANAGE_INVENTORY), "");
}

CPanelStock::~CPanelStock() { m_mainWindow.Data().ClearStock(); }

void CPanelStock::SelectType(int row)
{
    GuardedCall(ErrorCaptions::Window, [this, row] {
        if (row == m_mainWindow.Data().SelectedTypeOfBar()) {
            return;
        }
        m_stock->Model()->DeleteAllRows();
        if (row < 0) {
            m_mainWindow.Data().ClearStock();
            return;
        }
        m_mainWindow.Data().SelectStock(row);
        m_stock->Model()->InsertRows(m_mainWindow.Data().CountBars());
    });
}
