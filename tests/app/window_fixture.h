#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <deque>
#include <memory>

#include "app/main_window.h"
#include "app/settings_store.h"
#include "base/file_io.h"
#include "image/bmp_writer.h"

namespace app = bevelmint::app;
namespace state = bevelmint::state;
namespace render = bevelmint::render;
namespace image = bevelmint::image;
namespace base = bevelmint::base;
using bevelmint::app::MainWindow;

// Scripted answers for the dialogs; records what the window showed.
struct ScriptedDesktop : app::Desktop {
    std::deque<std::optional<QString>> files;
    std::deque<std::optional<QString>> folders;
    std::deque<std::optional<QColor>> colours;
    std::deque<std::optional<state::FontDesc>> fonts;
    std::deque<SaveAnswer> saveAnswers;
    int askedToSave = 0;
    QStringList informed, errors, opened;
    QString clipboard;

    std::optional<QString> openFileName(const QString&, const QString&) override {
        return next(files);
    }
    QStringList suggested;  // what each save dialog suggested
    QStringList titles;     // and its title
    std::optional<QString> saveFileName(const QString& title, const QString&, const QString&,
                                        const QString& suggestion) override {
        titles << title;
        suggested << suggestion;
        return next(files);
    }
    std::optional<QString> chooseFolder(const QString&) override { return next(folders); }
    std::optional<QColor> chooseColour(const QColor&) override { return next(colours); }
    std::optional<state::FontDesc> chooseFont(const state::FontDesc&) override {
        return next(fonts);
    }
    QStringList occasions;  // what each save question was asked before
    SaveAnswer askToSave(const QString&, const QString& occasion) override {
        ++askedToSave;
        occasions << occasion;
        if (saveAnswers.empty()) return SaveAnswer::discard;
        const SaveAnswer a = saveAnswers.front();
        saveAnswers.pop_front();
        return a;
    }
    void inform(const QString& caption, const QString& text) override {
        informed << caption + ": " + text;
    }
    void error(const QString& text) override { errors << app::errorBoxText(text); }
    void copyText(const QString& text) override { clipboard = text; }
    bool openWorks = true;  // whether the desktop has a program for what is opened
    bool openFile(const QString& path, bool) override {
        opened << path;
        return openWorks;
    }

    template <class T>
    static T next(std::deque<T>& q) {
        T v{};
        if (!q.empty()) {
            v = std::move(q.front());
            q.pop_front();
        }
        return v;
    }
};

struct MemoryStore : app::SettingsStore {
    QMap<QString, QVariant> values;
    bool refuseWrites = false;

    bool keyExists() const override { return !values.isEmpty(); }
    std::optional<Error> readString(const QString& name, QString& out) const override {
        if (values.isEmpty()) return out = "none", std::nullopt;
        out = values.value(name).toString();
        return std::nullopt;
    }
    std::optional<Error> readInteger(const QString& name, int& out) const override {
        if (values.isEmpty()) return Error{"Key does not exist"};
        if (!values.contains(name)) return Error{QString("Failed to get data for '%1'").arg(name)};
        out = values.value(name).toInt();
        return std::nullopt;
    }
    std::optional<Error> writeString(const QString& name, const QString& v) override {
        return write(name, v);
    }
    std::optional<Error> writeInteger(const QString& name, int v) override {
        return write(name, v);
    }
    std::optional<Error> write(const QString& name, const QVariant& v) {
        if (refuseWrites) return Error{QString("Failed to set data for '%1'").arg(name)};
        values[name] = v;
        return std::nullopt;
    }
};

struct Window {
    ScriptedDesktop desktop;
    MemoryStore store;
    std::unique_ptr<MainWindow> form;

    explicit Window(bool seeded = true) {
        if (seeded) app::seedFirstStart(store, "/nowhere");
        form = std::make_unique<MainWindow>(desktop, store, QStringList{}, false);
    }
    template <class W>
    W* find(const char* name) {
        W* w = form->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void menu(const char* name) { form->popupMenu()->findChild<QAction*>(name)->trigger(); }
    void click(const char* name) { find<QAbstractButton>(name)->click(); }
};

// A flat 64 x 32 texture bitmap of colour (50, 60, 70).
inline void writeTexture(const std::string& path) {
    const image::Picture t(64, 32, image::makeColor(50, 60, 70));
    bevelmint::base::writeFileReplacing(path, bevelmint::image::encodeBmp(t, 64, 32));
}

// A pointer moved over a widget, and a left mouse button pressed or released on it.
inline void moveOver(QWidget* w) {
    QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline void press(QWidget* w, QEvent::Type type) {
    QMouseEvent e(type, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline QImage shown(QLabel* l) {
    return l->pixmap().toImage();
}

// Shows the window and makes it the active one, so that focus and shortcuts work.
inline void activate(Window& w) {
    w.form->show();
    QApplication::setActiveWindow(w.form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.form.get()));
}

inline void shortcut(Window& w, const char* keys) {
    QTest::keySequence(w.form.get(), QKeySequence(keys));
}

// Lets the window's event loop run until the export it started has ended.
inline void waitForExport(Window& w) {
    while (w.form->exportRunner().running())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
}
