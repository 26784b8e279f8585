// Times Helidraw's drawing runs against a real DrawingHost (offscreen): the first run, which
// starts the host, then warm runs of a compression spring and a centre-hook extension spring.

#include "cad/HostFactory.h"
#include "cad/SocketCadHost.h"
#include "common/Prompt.h"
#include "common/ui/FormBase.h"
#include "common/ui/FormRegistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct CountingPrompter : Prompter {
    int boxes = 0;
    PromptAnswer ask(QWidget*, const PromptRequest& r) override {
        ++boxes;
        std::fprintf(stderr, "box: %s\n", qPrintable(r.text));
        return PromptAnswer::Ok;
    }
};

double run(FormBase* form, const char* button) {
    QElapsedTimer timer;
    timer.start();
    form->button(QString::fromLatin1(button))->click();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CountingPrompter prompter;
    prompt::install(&prompter);
    QTemporaryDir dir;
    const QString socket = dir.filePath("bench.socket");
    QProcess host;
    cad::setHostFactory([&] {
        return std::make_unique<cad::SocketCadHost>(
            socket, QCoreApplication::applicationDirPath() + QStringLiteral("/DrawingHost"),
            [&](const QString& program, const QStringList& args, const QString& folder) {
                host.setWorkingDirectory(folder);
                host.start(program, args);
                return host.waitForStarted(5000);
            });
    });

    FormBase* compression = FormRegistry::load(QStringLiteral("CadCompressionForm"));
    for (auto [name, text] : {std::pair{"Text1", "2"}, {"Text2", "20"}, {"Text3", "5.5"}, {"Text4", "40"}})
        compression->setText(QString::fromLatin1(name), QString::fromLatin1(text));
    FormBase* extension = FormRegistry::load(QStringLiteral("CadExtensionForm"));
    for (auto [name, text] :
         {std::pair{"Text1", "1"}, {"Text2", "10"}, {"Text3", "10.3"}, {"Text4", "8"}, {"Text7", "8"}})
        extension->setText(QString::fromLatin1(name), QString::fromLatin1(text));

    const double cold = run(compression, "Command3");
    std::vector<double> warmCompression, warmHooks;
    for (int i = 0; i < 20; ++i) {
        warmCompression.push_back(run(compression, "Command3"));
        warmHooks.push_back(run(extension, "Command1"));
    }
    std::printf("first run (starts the host): %.1f ms\n", cold);
    std::printf("compression spring, median of 20: %.2f ms\n", median(warmCompression));
    std::printf("centre-hook extension spring, median of 20: %.2f ms\n", median(warmHooks));
    delete compression;
    delete extension;
    host.kill();
    host.waitForFinished(5000);
    prompt::install(nullptr);
    return prompter.boxes == 0 ? 0 : 1;
}
