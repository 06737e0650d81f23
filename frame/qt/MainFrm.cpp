// The main window. Every command has one action, shared by its menu item, its toolbar button
// and its key, so that greying it greys all three; the texts come from the resources.
#include "MainFrm.h"

#include "KeyboardLocks.h"
#include "frame/CommandTables.h"
#include "platform/qt/QtApplication.h"
#include "platform/qt/ViewWidget.h"
#include "resources/Menu.h"
#include "resources/StringTable.h"
#include "resources/ToolBar.h"
#include "resources/resource.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QToolBar>
#include <QtDebug>

namespace {

QString Text(UINT nID) { return QString::fromUtf8(FindString(nID)); }

// The command's key in the accelerator table as Qt's key, empty when it has none: letters are
// their own codes in both, and function keys follow each other from F1.
QKeySequence KeyOf(UINT nID) {
    constexpr UINT kVkF1 = 0x70;
    constexpr UINT kVkF24 = 0x87;
    const AccelEntry* entry = FindAccel(nID);
    if (entry == nullptr)
        return {};
    int key = static_cast<int>(entry->key);
    if (entry->key >= kVkF1 && entry->key <= kVkF24)
        key = Qt::Key_F1 + static_cast<int>(entry->key - kVkF1);
    Qt::KeyboardModifiers modifiers;
    for (const auto& [fVirt, modifier] : {std::pair{FCONTROL, Qt::ControlModifier},
                                          {FSHIFT, Qt::ShiftModifier},
                                          {FALT, Qt::AltModifier}}) {
        if (entry->fVirt & fVirt)
            modifiers |= modifier;
    }
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}

// A toolbar image with copies of two and three times the size, each pixel a solid square, so
// that a high-density screen shows it sharp instead of smoothly blown up.
QIcon PixelIcon(const QPixmap& image) {
    QIcon icon(image);
    for (int factor : {2, 3})
        icon.addPixmap(
            image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return icon;
}

// Where a command's picture lies on the toolbar strip; an empty rectangle when it has no button.
QRect ToolBarCell(UINT nID) {
    const ToolBarResource& toolBar = *FindToolBar(IDR_MAINFRAME);
    const int image = ToolBarImage(nID);
    return image < 0 ? QRect()
                     : QRect(image * toolBar.cxButton, 0, toolBar.cxButton, toolBar.cyButton);
}

} // namespace

const UINT CMainFrame::indicators[4] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                        ID_INDICATOR_SCRL};

CMainFrame::CMainFrame() {
    m_router.SetTargets(&m_view, nullptr, this, nullptr);
    m_pViewWidget = new ViewWidget(m_view, this);
    setCentralWidget(m_pViewWidget);
    connect(m_pViewWidget, &ViewWidget::clicked, this, &CMainFrame::UpdateCommandUI);
}

// The view's widget goes first: it detaches itself from the view, which is a member.
CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    delete m_pViewWidget;
}

int CMainFrame::OnCreate() {
    const QPixmap images(QStringLiteral(":/") + FindToolBar(IDR_MAINFRAME)->bitmap);
    for (UINT nID : FrameCommands())
        CreateAction(nID, images);
    CreateMenu();
    if (!CreateToolBar(images)) {
        qWarning("Failed to create toolbar");
        return -1;
    }
    if (!CreateStatusBar()) {
        qWarning("Failed to create status bar");
        return -1;
    }
    // The lock keys may change while any of the program's windows has the keyboard. They are
    // first read after the window's first paint (see paintEvent).
    qApp->installEventFilter(this);
    UpdateCommandUI();
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Actions, menu, toolbar, status bar

// A command's one action, built from the resource tables: its key, its prompt, its tooltip,
// which is its text until its menu item gives it one, and its picture.
void CMainFrame::CreateAction(UINT nID, const QPixmap& toolBarImages) {
    const QString tooltip = QString::fromStdString(PromptTooltip(nID));
    auto* action = new QAction(tooltip, this);
    action->setShortcut(KeyOf(nID));
    action->setStatusTip(QString::fromStdString(PromptStatusText(nID)));
    action->setToolTip(tooltip);
    const QRect cell = ToolBarCell(nID);
    if (!cell.isEmpty() && toolBarImages.rect().contains(cell))
        action->setIcon(PixelIcon(toolBarImages.copy(cell)));
    action->setIconVisibleInMenu(false);
    action->setShortcutContext(Qt::WindowShortcut);
    // Added to the window itself, its key works whether or not a bar shows it.
    addAction(action);
    connect(action, &QAction::triggered, this, [this, nID] {
        QtApplication::RunCommand(this, [this, nID] { OnCommandIssued(nID); });
    });
    m_actions[nID] = action;
}

void CMainFrame::CreateMenu() {
    for (const MenuPopup& popup : FindMenu(IDR_MAINFRAME)->popups) {
        QMenu* pMenu = menuBar()->addMenu(QString::fromUtf8(popup.text));
        // A menu is a window of its own, which would take the application's direction.
        pMenu->setLayoutDirection(layoutDirection());
        // The items are greyed or enabled as the menu opens.
        connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        for (const MenuItem& item : popup.items) {
            if (item.nID == ID_SEPARATOR) {
                pMenu->addSeparator();
                continue;
            }
            // The shortcut after the tab is the action's own key, which the menu shows.
            const QString text = QString::fromUtf8(item.text);
            Action(item.nID)->setText(text.left(text.indexOf(QLatin1Char('\t'))));
            pMenu->addAction(Action(item.nID));
        }
    }
}

bool CMainFrame::CreateToolBar(const QPixmap& toolBarImages) {
    const ToolBarResource& resource = *FindToolBar(IDR_MAINFRAME);
    if (toolBarImages.isNull())
        return false;

    m_wndToolBar = new QToolBar(this);
    // Afloat, the bar is a window of its own, which would take the application's direction.
    m_wndToolBar->setLayoutDirection(layoutDirection());
    m_wndToolBar->setObjectName(QStringLiteral("AFX_IDW_TOOLBAR"));
    m_wndToolBar->setWindowTitle(Text(AFX_IDS_APP_TITLE));
    m_wndToolBar->setIconSize(QSize(resource.cxButton, resource.cyButton));
    m_wndToolBar->setMovable(true); // shows the gripper
    m_wndToolBar->setFloatable(true);
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_wndToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (UINT nID : resource.items) {
        if (nID == ID_SEPARATOR)
            m_wndToolBar->addSeparator();
        else if (Action(nID)->icon().isNull())
            return false; // the strip has no picture for it
        else
            m_wndToolBar->addAction(Action(nID));
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    return true;
}

bool CMainFrame::CreateStatusBar() {
    m_wndStatusBar = new QStatusBar(this);
    m_wndStatusBar->setObjectName(QStringLiteral("AFX_IDW_STATUS_BAR"));
    static const char* const kPaneNames[] = {"ID_SEPARATOR", "ID_INDICATOR_CAPS",
                                             "ID_INDICATOR_NUM", "ID_INDICATOR_SCRL"};
    for (int i = 0; i < 4; ++i) {
        const UINT nID = indicators[i];
        auto* pane = new QLabel(m_wndStatusBar);
        pane->setObjectName(QString::fromLatin1(kPaneNames[i]));
        if (nID == ID_SEPARATOR) {
            // Prompts cover the message pane while they show; it reads the idle text between.
            pane->setText(Text(AFX_IDS_IDLEMESSAGE));
            m_wndStatusBar->addWidget(pane, 1);
        } else {
            const QString text = Text(nID);
            pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            pane->setAlignment(Qt::AlignCenter);
            pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 8);
            pane->setToolTip(text);
            m_wndStatusBar->addPermanentWidget(pane);
        }
        m_panes[nID] = pane;
    }
    setStatusBar(m_wndStatusBar);
    return true;
}

QAction* CMainFrame::Action(UINT nID) const {
    auto it = m_actions.find(nID);
    return it == m_actions.end() ? nullptr : it->second;
}

QLabel* CMainFrame::Pane(UINT nID) const {
    auto it = m_panes.find(nID);
    return it == m_panes.end() ? nullptr : it->second;
}

QString CMainFrame::MessageText() const {
    if (m_wndStatusBar == nullptr)
        return {};
    QString prompt = m_wndStatusBar->currentMessage();
    if (!prompt.isEmpty())
        return prompt;
    const QLabel* pane = Pane(ID_SEPARATOR);
    return pane != nullptr ? pane->text() : QString();
}

void CMainFrame::OnUpdateFrameTitle(const std::string& docTitle) {
    setWindowTitle(QString::fromStdString(FrameTitle(docTitle)));
}

// ---------------------------------------------------------------------------------------------
// Command routing and enabling

void CMainFrame::OnCommandIssued(UINT nID) {
    if (m_router.Issue(nID)) {
        // The prompt was the used button's or item's: the window is idle again. (A dialog
        // that opened over the button may have kept the pointer from ever leaving it.)
        if (m_wndStatusBar != nullptr)
            m_wndStatusBar->clearMessage();
    }
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI() {
    for (const auto& [nID, action] : m_actions) {
        const CCmdUI state = m_router.Query(nID);
        action->setEnabled(state.m_bEnabled);
        if (state.m_nCheck >= 0) {
            action->setCheckable(true);
            action->setChecked(state.m_nCheck == 1);
        }
    }
}

// The bars exist once the window is created, which is when commands begin to come.
bool CMainFrame::IsBarShown(Bar bar) const {
    const QWidget* pBar = bar == Bar::Tool ? static_cast<QWidget*>(m_wndToolBar) : m_wndStatusBar;
    return pBar != nullptr && !pBar->isHidden();
}

void CMainFrame::ShowBar(Bar bar, bool bShow) {
    (bar == Bar::Tool ? static_cast<QWidget*>(m_wndToolBar) : m_wndStatusBar)->setHidden(!bShow);
}

// The bars are shown and hidden from the view menu alone: a right click on them opens nothing.
QMenu* CMainFrame::createPopupMenu() { return nullptr; }

// ---------------------------------------------------------------------------------------------
// Lock-key indicators

void CMainFrame::UpdateLockIndicators() {
    const LockKeyState state = QueryLockKeys();
    const std::pair<UINT, bool> panes[] = {{ID_INDICATOR_CAPS, state.bCapsLock},
                                           {ID_INDICATOR_NUM, state.bNumLock},
                                           {ID_INDICATOR_SCRL, state.bScrollLock}};
    for (const auto& [nID, bLit] : panes) {
        if (QLabel* pane = Pane(nID))
            pane->setText(bLit ? Text(nID) : QString());
    }
}

// Lock keys change state with a key press; the panes follow on its release. Each key event
// reaches its top-level window once, before the widgets that it is passed on to.
bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && watched->isWindowType())
        UpdateLockIndicators();
    return QMainWindow::eventFilter(watched, event);
}

// Reading the lock keys takes several round trips to the X server, which would hold up the
// window's first paint: they are read once that paint is on the screen, as the event posted
// here arrives after it.
void CMainFrame::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (!m_bLocksAsked) {
        m_bLocksAsked = true;
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }
}

void CMainFrame::customEvent(QEvent* event) {
    if (event->type() == QEvent::User)
        UpdateLockIndicators();
}

// Another program may have changed them while this window was in the background.
void CMainFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        UpdateLockIndicators();
    QMainWindow::changeEvent(event);
}
