// The interaction of the real program: Qt's event loops and dialogs.
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>

#include "platform/ui/interaction.h"
#include "platform/ui/keyboard.h"
#include "platform/ui/registry.h"

namespace ui {

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// The toolkit reports an address as opened once xdg-open has started, and
// xdg-open's own failure (no browser, no program for the file) reaches only the
// terminal. So xdg-open runs here and its end is awaited for a moment: a failure
// shows at once, while a program that it runs in its place keeps running.
// Nothing when xdg-open is not there.
std::optional<bool> openWithXdg(const QUrl& url) {
    auto* xdg = new QProcess;
    xdg->setProcessChannelMode(QProcess::ForwardedChannels);
    xdg->start("xdg-open", {url.toString(QUrl::FullyEncoded)});
    if (!xdg->waitForStarted()) {
        delete xdg;
        return std::nullopt;
    }
    if (!xdg->waitForFinished(3000)) {
        QObject::connect(xdg, &QProcess::finished, xdg, &QObject::deleteLater);
        return true;
    }
    const bool opened = xdg->exitStatus() == QProcess::NormalExit && xdg->exitCode() == 0;
    delete xdg;
    return opened;
}
#endif

class QtInteraction : public Interaction {
public:
    void mainLoop() override {
        detail::installKeyboard();
        QApplication::exec();
    }
    void modalLoop(const std::string& window) override {
        detail::installKeyboard();
        QEventLoop loop;
        loops_[detail::lower(window)] = &loop;
        loop.exec();
    }
    void message(MsgKind kind, std::string_view title, std::string_view text) override {
        QMessageBox box(kind == MsgKind::Stop      ? QMessageBox::Critical
                        : kind == MsgKind::Warning ? QMessageBox::Warning
                        : kind == MsgKind::Info    ? QMessageBox::Information
                                                   : QMessageBox::NoIcon,
                        q(title), q(text), QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }
    bool question(std::string_view title, std::string_view text) override {
        return QMessageBox::question(QApplication::activeWindow(), q(title), q(text),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    }
    std::optional<std::string> dialog(const DialogRequest& r) override {
        QString filter;
        for (const auto& f : r.filters) filter += (filter.isEmpty() ? "" : ";;") + q(f.name) + " (" + q(f.pattern) + ")";
        QString path;
        QWidget* parent = QApplication::activeWindow();
        const QString start = r.fileName.empty() ? q(r.folder) : QDir(q(r.folder)).filePath(q(r.fileName));
        switch (r.kind) {
            case DialogKind::Open: path = QFileDialog::getOpenFileName(parent, q(r.title), start, filter); break;
            case DialogKind::Save: path = QFileDialog::getSaveFileName(parent, q(r.title), start, filter); break;
            case DialogKind::Folder: path = QFileDialog::getExistingDirectory(parent, q(r.title), start); break;
        }
        if (path.isEmpty()) return std::nullopt;
        return path.toStdString();
    }
    void waitShown(std::string_view text) override {
        wait_ = new QProgressDialog(q(text), QString(), 0, 0, QApplication::activeWindow());
        wait_->setWindowModality(Qt::ApplicationModal);
        wait_->setMinimumDuration(0);
        wait_->show();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    void waitHidden() override { delete wait_; }
    bool openExternal(std::string_view target) override {
        const QString t = q(target);
        const bool address = t.startsWith("http://") || t.startsWith("https://") || t.startsWith("mailto:");
        const QUrl url = address ? QUrl(t) : QUrl::fromLocalFile(t);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        if (const auto opened = openWithXdg(url)) return *opened;
#endif
        return QDesktopServices::openUrl(url);
    }
    void windowOpened(const std::string&) override {}
    void previewShown(int) override {}
    void print(int, const std::function<void()>& send) override { send(); }
    void windowClosed(const std::string& window) override {
        auto it = loops_.find(detail::lower(window));
        if (it == loops_.end()) return;
        if (it->second) it->second->quit();
        loops_.erase(it);
    }
    [[noreturn]] void endProcess(int exitCode) override {
        std::fflush(nullptr);
        std::_Exit(exitCode);
    }

private:
    std::map<std::string, QPointer<QEventLoop>> loops_;
    QPointer<QProgressDialog> wait_;
};

}  // namespace

Interaction& qtInteraction() {
    static QtInteraction instance;
    return instance;
}

}  // namespace ui
