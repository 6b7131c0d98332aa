#include "platform/win/FontConfiguration.h"

#include <fontconfig/fontconfig.h>
#include <future>
#include <mutex>

namespace velox::win {
namespace {

std::mutex readingLock;
std::future<void> reading;

} // namespace

void startReadingFontConfiguration() {
    const std::lock_guard<std::mutex> hold(readingLock);
    if (!reading.valid()) {
        reading = std::async(std::launch::async, [] { FcInit(); });
    }
}

void awaitFontConfiguration() {
    const std::lock_guard<std::mutex> hold(readingLock);
    if (reading.valid()) {
        reading.wait();
    }
}

} // namespace velox::win
