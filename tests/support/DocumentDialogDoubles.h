// A double of the document dialogs: every question is recorded, and the
// test answers the last of each kind.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace quendal::test {

// Records every question of documents; the test answers the last of each kind.
class ScriptedDocumentDialogs : public platform::DocumentDialogService {
public:
    using Chosen = std::function<void(std::optional<std::string>)>;
    void chooseFileToOpen(const platform::OpenFileRequest& r, Chosen done) override {
        opens.push_back(r);
        open = std::move(done);
    }
    void chooseFileToSave(const platform::SaveFileRequest& r, Chosen done) override {
        saves.push_back(r);
        save = std::move(done);
    }
    void askSaveChanges(platform::WindowNumber, std::string_view name,
                        std::function<void(platform::SaveChangesAnswer)> done) override {
        questions.emplace_back(name);
        question = std::move(done);
    }
    void askSaveOverChangedFile(platform::WindowNumber, std::string_view message, std::string_view,
                                std::function<void(platform::ChangedFileAnswer)> done) override {
        changedFiles.emplace_back(message);
        changedFile = std::move(done);
    }
    void fileError(platform::WindowNumber, std::string_view title, std::string_view message,
                   std::function<void(bool)> done) override {
        errors.push_back(std::string(title) + "\n" + std::string(message));
        error = std::move(done);
    }
    void answer(platform::SaveChangesAnswer a) { std::exchange(question, nullptr)(a); }
    void saveTo(std::optional<std::string> path) { std::exchange(save, nullptr)(std::move(path)); }
    void openFile(std::optional<std::string> path) { std::exchange(open, nullptr)(std::move(path)); }
    void stopOnError(bool stop) { std::exchange(error, nullptr)(stop); }
    void answerChangedFile(platform::ChangedFileAnswer a) { std::exchange(changedFile, nullptr)(a); }

    std::vector<platform::OpenFileRequest> opens;
    std::vector<platform::SaveFileRequest> saves;
    std::vector<std::string> questions, errors, changedFiles;
    Chosen open, save;
    std::function<void(platform::SaveChangesAnswer)> question;
    std::function<void(bool)> error;
    std::function<void(platform::ChangedFileAnswer)> changedFile;
};

}  // namespace quendal::test
