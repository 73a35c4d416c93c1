// Feeds arbitrary bytes to the JSON persistence reader: into an existing object of every property
// kind, as a new object created by its class name, and as an object array. Any failure other than
// the framework's documented exceptions aborts the run.
#include <cstddef>
#include <cstdint>

#include "PersistenceSamples.h"
#include "RurPersistence.h"

namespace {

void ReadAs(TBytesStream& stream, unsigned choice)
{
    stream.SetPosition(0);
    switch (choice % 3) {
    case 0: {
        TSampleAll all;
        TRurPersistence::LoadSettingsFromStream(&all, stream);
        return;
    }
    case 1: {
        TRurReader reader(stream);
        reader.Read(TPersistent::StaticClass());
        return;
    }
    default: {
        TRurReader reader(stream);
        for (TObject* object : reader.ReadArray(u"Items"))
            delete object;
        return;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool started = [] {
        RurPersistenceInitialize();
        RegisterPersistenceSamples();
        return true;
    }();
    (void)started;
    TBytesStream stream(TBytes(data, data + size));
    for (unsigned choice = 0; choice < 3; ++choice) {
        try {
            ReadAs(stream, choice);
        } catch (const Exception&) {
            // Every documented failure derives from Exception.
        }
    }
    return 0;
}
