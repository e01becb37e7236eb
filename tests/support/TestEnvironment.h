// Every test program runs headless and in folders of its own, so that tests
// never touch the user's preferences, documents, sockets or downloads and
// renders come out the same on every machine.
#pragma once

namespace quendal::test {

// Sets the offscreen platform and the pinned font configuration unless the
// caller set them, and private home, configuration, data, cache, runtime
// and Downloads folders whatever the caller set; a program that a test
// program started keeps those it was given. The folders made here are
// removed when the program ends.
void prepareTestEnvironment();

}  // namespace quendal::test
