// The top-level widget of one numbered window: an optional menu bar above
// the content view, which shows the window's retained drawing with the
// controls on top. The frame turns Qt's window, mouse and key events into
// the program's window events.
#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QSize>
#include <QTimer>
#include <QPointer>
#include <QWidget>

#include "platform/Platform.h"

class QKeyEvent;
class QMenu;
class QMenuBar;
class QScrollBar;

namespace quendal::platform::qt {

// F10 opens the first menu of the bar; true when the key was that.
bool openMenuBarByKey(QMenuBar* bar, const QKeyEvent& key);
// Shows exactly these menus in the bar, in this order, by taking off and
// putting in only the titles that differ: every change makes a visible bar
// lay out all its titles again.
void showMenusInBar(QMenuBar* bar, const QList<QMenu*>& menus);

class ContentView : public QWidget {
public:
    ContentView(WindowNumber window, QColor background, QWidget* parent);
    QColor background() const { return background_; }
    void setBackground(QColor background) {
        background_ = background;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WindowNumber window_;
    QColor background_;
};

// Whether a dialog, alert or sheet is on the screen: a shown top-level
// window of the dialog kind (file dialogs, message boxes, print dialogs,
// and the numbered dialogs and sheets of the program).
bool dialogShown();
// Keeps the floating palettes off every dialog: while any dialog is shown
// they stand aside (off the screen, though the program still counts them
// shown), and once the last dialog has gone they come back where they
// were, without taking the keyboard. Installed with the first palette.
void watchDialogsForPalettes();

class WindowFrame : public QWidget {
public:
    WindowFrame(WindowNumber window, WindowKind kind, QWidget* parent);

    WindowNumber number() const { return window_; }
    WindowKind kind() const { return kind_; }
    ContentView* content() const { return content_; }
    QMenuBar* menuBar() const { return menuBar_; }

    // Content rectangle in screen pixels: the part of the window below its
    // menu bar, whatever page it shows.
    QRect contentGeometry() const;
    void setContentGeometry(const QRect& rect);
    // The sizes the user may give the content; applied with the menu bar's
    // height added, so that they keep holding when the menu bar changes.
    // The page the content shows (empty: the content itself); a page
    // taller than the content scrolls under a scroll bar at the right.
    void setPageSize(QSize page);
    int pageScroll() const;
    // Title bar, borders and menu bar around the content, in pixels.
    QMargins frameMargins() const;
    // Moves the window with the pointer while the button pressed stays
    // down: the window system's move where it has one, else our own.
    bool startUserMove();
    // Shows these menus in the window's menu bar, keeping the content where it is.
    void setMenus(const QList<QMenu*>& menus);
    // Closes without asking the handler (the program's own close).
    void closeQuietly();
    // What the user may do to the content's size: resize it at all, and
    // between which sizes (an empty size leaves that limit open).
    void setResizable(bool resizable);
    bool resizable() const { return resizable_; }
    void setContentLimits(QSize minimum, QSize maximum);

    // Shown or hidden by the program. A floating palette asked to show
    // while a dialog is up stays aside until the dialog has gone.
    void setVisible(bool visible) override;
    // Whether the program has the window shown: for a palette standing
    // aside, true although it is off the screen.
    bool shownByProgram() const;
    // A palette the program has shown leaves the screen for a dialog
    // (true) or comes back (false); other windows stay as they are.
    void standAside(bool aside);
    // The document window a palette floats over: minimized, it takes the
    // palette along, and brings it back as it comes back.
    void setFloatsOver(WindowFrame* document) { document_ = document; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int menuBarHeight() const;
    void layoutChildren();
    void applySizeLimits();
    bool mouseEvent(QEvent* event);
    bool keyEvent(QEvent* event);
    bool wheelEvent(QEvent* event);
    bool manualMoveEvent(QEvent* event);
    void endManualMove();
    void carryPalettes();
    int32_t send(WindowEventKind kind);

    WindowNumber window_;
    WindowKind kind_;
    QMenuBar* menuBar_ = nullptr;
    ContentView* content_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
    QSize page_;                  // empty: the page is the content
    bool quiet_ = false;
    bool resizable_ = true;
    bool shownByProgram_ = false;  // a palette's state as the program set it
    bool returning_ = false;       // a palette coming back after a dialog: not the program's show
    QPointer<QWindow> floatsOver_;  // a palette standing aside: what it was transient for
    QPointer<WindowFrame> document_;  // a palette: the document window it floats over
    bool minimizedWithDocument_ = false;  // a palette the document's minimize took along
    QSize minContent_, maxContent_;  // content size limits; 0 leaves a limit open
    // A move the program runs itself where the window system offers none:
    // the pointer's screen position and the window's at the press.
    bool manualMove_ = false;
    QPointF lastPressGlobal_;
    QPoint moveStartPosition_;
    // Moves the program made are not the user's drags.
    QElapsedTimer sinceProgramMove_;
    bool dragging_ = false;
    QTimer dragEnd_;
    // Click counting: a press close in time and place to the last one is a double click.
    ulong lastPressTime_ = 0;  // ms, the event's own time
    QPointF lastPress_;
    int clicks_ = 0;
    bool pressConsumed_ = false;
};

}  // namespace quendal::platform::qt
