#include "cad/HostFactory.h"

#include "cad/SocketCadHost.h"

namespace cad {

namespace {
HostFactory& installed() {
    static HostFactory factory;
    return factory;
}
} // namespace

void setHostFactory(HostFactory factory) {
    installed() = std::move(factory);
}

std::unique_ptr<CadHost> makeHost() {
    if (installed())
        return installed()();
    return std::make_unique<SocketCadHost>();
}

} // namespace cad
