#include "output_file.h"

#include <ext/stdio_filebuf.h>

#include <fstream>
#include <optional>

#include "temporary_file.h"

namespace involute::platform {

struct OutputFile::State {
    std::filesystem::path target;
    std::optional<TemporaryFile> temporary;
    // Written through the temporary file's stdio stream, or directly.
    std::unique_ptr<__gnu_cxx::stdio_filebuf<char>> buffer;
    std::unique_ptr<std::ostream> temporaryStream;
    std::ofstream direct;
    bool open = false;
    bool done = false;
};

OutputFile::OutputFile(const std::filesystem::path& target) : state_(std::make_unique<State>()) {
    state_->target = target;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(target, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        state_->direct.open(target, std::ios::binary | std::ios::trunc);
        state_->open = static_cast<bool>(state_->direct);
        return;
    }
    state_->temporary = createTemporaryBeside(target);
    if (!state_->temporary) {
        return;
    }
    state_->buffer = std::make_unique<__gnu_cxx::stdio_filebuf<char>>(
        state_->temporary->file, std::ios::out | std::ios::binary, std::size_t{1} << 16);
    state_->temporaryStream = std::make_unique<std::ostream>(state_->buffer.get());
    state_->open = true;
}

OutputFile::~OutputFile() {
    if (state_->temporary && !state_->done) {
        state_->buffer->close();
        std::fclose(state_->temporary->file);
        discardTemporary(state_->temporary->path);
    }
}

bool OutputFile::opened() const {
    return state_->open;
}

std::ostream& OutputFile::stream() {
    return state_->temporary ? *state_->temporaryStream : state_->direct;
}

bool OutputFile::commit() {
    state_->done = true;
    if (!state_->temporary) {
        state_->direct.close();
        return !state_->direct.fail();
    }
    // The stream buffer leaves the stdio stream open; fclose() flushes it and
    // closes the file, so a full disk shows here at the latest.
    const bool flushed =
        static_cast<bool>(state_->temporaryStream->flush()) && state_->buffer->close() != nullptr;
    const bool written = std::fclose(state_->temporary->file) == 0 && flushed;
    if (written && replaceWithTemporary(state_->temporary->path, state_->target)) {
        return true;
    }
    discardTemporary(state_->temporary->path);
    return false;
}

}  // namespace involute::platform
