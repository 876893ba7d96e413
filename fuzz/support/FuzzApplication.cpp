#include <QCoreApplication>
#include <cstdint>

// Called once, before the first input, by libFuzzer and by the replay main.
// Qt's timers, files and logging want an application object; Qt itself keeps
// the pointer to it, so it lives for the run without a global of ours.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (QCoreApplication::instance() == nullptr) new QCoreApplication(*argc, *argv);
    return 0;
}
