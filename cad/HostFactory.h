#pragma once
// Where the input windows get their host object from. The program uses the socket client
// (SocketCadHost); tests install a factory that hands out recording hosts.

#include "cad/CadHost.h"

#include <functional>
#include <memory>

namespace cad {

using HostFactory = std::function<std::unique_ptr<CadHost>()>;

// Installs the factory used from now on; an empty one restores the socket client.
void setHostFactory(HostFactory factory);
std::unique_ptr<CadHost> makeHost();

} // namespace cad
