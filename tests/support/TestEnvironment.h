// Every test program runs headless and in folders of its own, so that tests
// never touch the user's preferences or sockets and renders come out the
// same on every machine.
#pragma once

namespace quendal::test {

// Sets the offscreen platform, the pinned font configuration and private
// configuration and runtime folders, unless the caller already set them.
// The folders made here are removed when the program ends.
void prepareTestEnvironment();

}  // namespace quendal::test
