// Documents the desktop hands to the program: those named on its command
// line (a file manager opening designs), and those a second start of the
// program hands to the one that runs already.
//
// Of several documents only the last one opens: the program keeps one
// design at a time. Opening waits for the event loop, as it does for any
// document handed over.
#pragma once

#include <string>
#include <vector>

namespace quendal {

// The documents named on the command line (what follows the program's
// name once the windowing layer has taken its own options), each as
// resolvedDocumentPath gives it.
std::vector<std::string> DocumentsNamedAtStart(int argc, char** argv);

// The file `path` names as the system finds it: made absolute against the
// working folder, then its folder resolved by the system, linked folders
// followed and ".." taken from where a link leads, never by dropping text.
// The file's own name stays, a link to a document among them. A folder
// that cannot be resolved (it is not there) leaves the absolute path as it
// stands, so that opening it fails as the system says.
std::string resolvedDocumentPath(const std::string& path);

// At start, once the windowing layer runs: hands the documents named (or
// none) to a copy of the program that runs already, which comes to the
// front, and then ends this start (true).
// Otherwise (false) this program receives the documents of later starts,
// and its own open once the event loop runs.
bool HandOverDocumentsNamedAtStart(int argc, char** argv);

// Documents handed over by a later start: the last one opens, the
// program's window comes to the front. One that waits for a dialog or a
// question leaves the windows where they are, the question in front. A
// later start without a document hands over an empty list: the program
// comes to the front, and opens nothing.
void ReceiveHandedDocuments(const std::vector<std::string>& paths);

}  // namespace quendal
