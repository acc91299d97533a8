#include "sound/FluidApi.h"

#include <dlfcn.h>

#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace {

struct Opened
{
    std::unique_ptr<FluidApi> api; // null when the library could not be used
    std::string problem;
};

Opened open(const std::string &library)
{
    // The handle is never closed: the synthesizer's threads run code of the
    // library until the program ends.
    void *handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *why = dlerror();
        return {nullptr, why ? why : "cannot be opened"};
    }
    auto api = std::make_unique<FluidApi>();
    std::string missing;
#define ZARN_FLUID_RESOLVE(name)                                                                   \
    api->name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));                         \
    if (!api->name && missing.empty())                                                             \
        missing = #name;
    ZARN_FLUID_FUNCTIONS(ZARN_FLUID_RESOLVE)
#undef ZARN_FLUID_RESOLVE
    if (!missing.empty())
        return {nullptr, library + " has no " + missing};
    return {std::move(api), {}};
}

} // namespace

const FluidApi *FluidApi::get(const std::string &library, std::string *problem)
{
    // Never destroyed: a preload may still be opening the library while the
    // program ends.
    static auto *mutex = new std::mutex;
    static auto *opened = new std::map<std::string, Opened>;
    std::lock_guard lock(*mutex);
    auto it = opened->find(library);
    if (it == opened->end())
        it = opened->emplace(library, open(library)).first;
    if (problem)
        *problem = it->second.problem;
    return it->second.api.get();
}

void FluidApi::preload()
{
    static std::once_flag once;
    std::call_once(once, [] { std::thread([] { get(DefaultLibrary); }).detach(); });
}
