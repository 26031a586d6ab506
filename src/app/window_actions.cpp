#include "app/window_actions.h"

#include <QWidget>

namespace bevelmint::app {

namespace {

QAction* add(QMenu* menu, QMenu* owner, const char* name, const QString& text,
             bool checkable = false) {
    auto* a = new QAction(text, owner);
    a->setObjectName(name);
    a->setCheckable(checkable);
    menu->addAction(a);
    return a;
}

}  // namespace

WindowActions::WindowActions(QWidget* window) {
    popup = new QMenu(window);
    popup->setObjectName("PopupMenu1");
    QMenu* p = popup;
    undo = add(p, p, "Undo1", "Undo");
    redo = add(p, p, "Redo1", "Redo");
    p->addSeparator();
    QMenu* file = p->addMenu("File");
    load = add(file, p, "Load1", "Load...");
    loadLast = add(file, p, "LoadLast1", "Load Last");
    save = add(file, p, "Save1", "Save");
    saveAs = add(file, p, "SaveAs1", "Save As...");
    exportPictures = add(file, p, "ExportPic1", "Export Pic");
    exportWeb = add(file, p, "ExportWeb1", "Export for Web");
    QMenu* props = p->addMenu("Properties");
    QMenu* shape = props->addMenu("Shape");
    shapes = {add(shape, p, "Rectangle1", "Rectangle", true),
              add(shape, p, "EllipseCircle1", "Ellipse/Circle", true),
              add(shape, p, "RoundRect1", "RoundRect", true)};
    smoothEdges = add(shape, p, "SmoothEdges1", "Smooth Edges", true);
    QMenu* colours = props->addMenu("Colors");
    pickButtonColour = add(colours, p, "PickButtonColor1", "Pick Button Color...");
    pickTextColour = add(colours, p, "PickTextColor1", "Pick Text Color...");
    pickBackgroundColour = add(colours, p, "PickBackgroundColor1", "Pick Background Color...");
    pickMenuColour = add(colours, p, "PickBevelmintMenuColor1", "Pick Bevelmint Menu Color...");
    QMenu* light = props->addMenu("Light");
    changeLightPosition = add(light, p, "ChangeLightPosition1", "Change Light Position");
    lightenFront = add(light, p, "LightentheFront1", "Lighten the Front", true);
    QMenu* text = props->addMenu("Text");
    useText = add(text, p, "UseText1", "Use Text", true);
    text3D = add(text, p, "N3DText1", "3D Text", true);
    QMenu* texture = props->addMenu("Texture");
    useTexture = add(texture, p, "UseTexture1", "Use Texture ", true);
    chooseTexture = add(texture, p, "ChooseTexture1", "Choose Texture...");
    QMenu* exports = props->addMenu("Export");
    formats = {add(exports, p, "GIF1", "GIF", true), add(exports, p, "JPG1", "JPG", true),
               add(exports, p, "BMP1", "BMP", true)};
    exportPressed = add(exports, p, "ExportPressedButtontoo1", "Export Pressed Button too", true);
    switchMode = add(p, p, "SwitchMode1", "Switch Mode");
    test = add(p, p, "TestButton1", "Test Button");
    about = add(p, p, "About1", "About");
    help = add(p, p, "Help1", "Help");
    exit = add(p, p, "Exit1", "Exit");
    leaveTest = new QAction("Leave Test", p);
    leaveTest->setObjectName("LeaveTest1");
    nextPage = new QAction("Next Page", p);
    nextPage->setObjectName("NextPage1");
    previousPage = new QAction("Previous Page", p);
    previousPage->setObjectName("PreviousPage1");
    nextPage->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    previousPage->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                QKeySequence(Qt::CTRL | Qt::Key_PageUp)});

    save->setShortcut(QKeySequence::Save);
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    load->setShortcut(QKeySequence::Open);
    exportPictures->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    exportWeb->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    test->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    leaveTest->setShortcut(QKeySequence(Qt::Key_Escape));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    followHistory(false, false);
    // Shortcuts work while the menu is closed only when the window holds the actions.
    for (QAction* a : {undo, redo, save, saveAs, load, exportPictures, exportWeb, test, leaveTest,
                       help, nextPage, previousPage}) {
        a->setShortcutContext(Qt::WindowShortcut);
        window->addAction(a);
    }
}

void WindowActions::followHistory(bool canUndo, bool canRedo) {
    undo->setEnabled(canUndo);
    redo->setEnabled(canRedo);
    holdOffWhileExporting();
}

void WindowActions::setExporting(bool on) {
    exporting = on;
    for (QAction* a : popup->findChildren<QAction*>())
        if (!a->menu()) a->setEnabled(true);
}

void WindowActions::holdOffWhileExporting() {
    if (!exporting) return;
    for (QAction* a : popup->findChildren<QAction*>())
        if (!a->menu() && a != about && a != help && a != exit && a != leaveTest && a != nextPage &&
            a != previousPage)
            a->setEnabled(false);
}

void WindowActions::follow(const state::ButtonState& s, const Enabled& enabled) {
    auto set = [](QAction* a, bool checked, bool on = true) {
        a->setChecked(checked);
        a->setEnabled(on);
    };
    for (int i = 0; i < 3; ++i) {
        set(formats[i], static_cast<int>(s.exportFormat) == i);
        set(shapes[i], static_cast<int>(s.shapeKind) == i);
    }
    set(exportPressed, s.exportPressed);
    set(useTexture, s.useTexture);
    chooseTexture->setEnabled(enabled.chooseTexture);
    set(useText, s.useText);
    set(text3D, enabled.text3DChecked, enabled.text3D);
    set(lightenFront, s.lightenFront);
    set(smoothEdges, s.smoothEdges, enabled.smoothEdges);
    holdOffWhileExporting();
}

}  // namespace bevelmint::app
