// DrawingHost: keeps the current drawing for Helidraw, shows it and saves it as DXF.

#include "cad/host/DrawingModel.h"
#include "cad/host/HostCalls.h"
#include "cad/host/HostServer.h"
#include "cad/host/HostWindow.h"
#include "cad/host/StopSignals.h"
#include "cad/protocol/HostMessages.h"
#include "common/StartUp.h"
#include "common/StringTable.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <cstdio>

int main(int argc, char** argv) {
    startup::prepareProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DrawingHost"));
    StringTable::setLanguage(StringTable::languageFor(QLocale::system().uiLanguages()));

    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption socketOption(
        QStringLiteral("socket"),
        StringTable::pick("本地套接字的名称。", "本機通訊端的名稱。", "Name of the local socket."),
        QStringLiteral("NAME"));
    parser.addOption(socketOption);
    parser.process(app);
    // Without a named socket the host listens in the user's private folder, and never in one
    // that another user could reach.
    const PrivatePath socket = parser.isSet(socketOption) ? PrivatePath::given(parser.value(socketOption))
                                                          : hostproto::defaultSocketName();
    if (!socket.usable()) {
        std::fprintf(stderr, "DrawingHost: %s\n", qPrintable(socket.refusal));
        return 1;
    }

    const host::StopSignals stopSignals;
    host::DrawingModel model;
    host::HostCalls calls(model);
    host::HostServer server(calls);
    // The socket is made through the folder as it was checked, never through its name again.
    switch (server.listen(socket.anchored())) {
    case host::HostServer::Start::AnotherHostServes:
        // One host per socket: the one there keeps the drawing, and this one did not start.
    case host::HostServer::Start::Failed:
        std::fprintf(stderr, "DrawingHost: %s\n",
                     qPrintable(QString(server.errorString()).replace(socket.anchored(), socket.path)));
        return 1;
    case host::HostServer::Start::Listening:
        break;
    }
    host::HostWindow window(model, calls);
    window.show();
    return app.exec();
}
