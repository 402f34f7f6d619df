#include <windows.h>  // before the other Windows headers, which need its types

#include <fcntl.h>
#include <io.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <string>

#include "Program.hpp"

// The Windows half of the harness: the program is started with CreateProcess, without a console
// (as under CI or a service: it then asks for no key), its standard input and output on pipes or
// files. The descriptors of the Program are C runtime descriptors over the pipe handles.
namespace harness {

namespace {

HANDLE handle_of(int fd) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

int descriptor_of(HANDLE handle) {
    return _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
}

// Opens a file for the program to inherit; nullptr when it cannot be opened.
HANDLE inheritable_file(const std::string& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE file =
        CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    &inherit, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

// A pipe with the program's end inheritable. The buffers are as large as a Linux pipe's, so that
// what a test writes before it reads (harness::run) never waits for the program.
void make_pipe(HANDLE& read_end, HANDLE& write_end, HANDLE& programs_end) {
    if (!CreatePipe(&read_end, &write_end, nullptr, 1 << 16))
        throw std::runtime_error("CreatePipe failed");
    SetHandleInformation(programs_end, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
}

// The program beside the test program (the build puts every program and DLL in one folder).
std::string program_path() {
    char own[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, own, MAX_PATH);
    std::string path(own, length);
    return path.substr(0, path.find_last_of("\\/") + 1) + SHAPECALC_BINARY;
}

}  // namespace

Program::Program(const Options& options) : read_limit_(options.read_limit) {
    if (options.on_terminal)
        throw std::runtime_error("the Windows harness has no terminal");
    HANDLE in = nullptr;  // the program's ends; nullptr: none (Input::Closed)
    HANDLE out = nullptr;
    HANDLE ours_in = nullptr;
    HANDLE ours_out = nullptr;
    switch (options.input) {
        case Input::Pipe:
            make_pipe(in, ours_in, in);
            break;
        case Input::File: {
            char folder[MAX_PATH];
            char name[MAX_PATH];
            GetTempPathA(MAX_PATH, folder);
            if (GetTempFileNameA(folder, "shc", 0, name) == 0)
                throw std::runtime_error("GetTempFileName failed");
            temp_path_ = name;
            HANDLE file = inheritable_file(temp_path_, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
            DWORD written = 0;
            if (file == nullptr ||
                !WriteFile(file, options.input_text.data(),
                           static_cast<DWORD>(options.input_text.size()), &written, nullptr) ||
                written != options.input_text.size())
                throw std::runtime_error("cannot write the program's input");
            SetFilePointer(file, 0, nullptr, FILE_BEGIN);
            in = file;
            break;
        }
        case Input::Path:
            in = inheritable_file(options.input_text, GENERIC_READ, OPEN_EXISTING);
            break;
        case Input::DevNull:
            in = inheritable_file("NUL", GENERIC_READ, OPEN_EXISTING);
            break;
        case Input::Closed:
        case Input::Terminal:
            break;
    }
    if (options.stdout_file.empty())
        make_pipe(ours_out, out, out);
    else
        out = inheritable_file(options.stdout_file, GENERIC_WRITE, TRUNCATE_EXISTING);
    HANDLE error = inheritable_file("NUL", GENERIC_WRITE, OPEN_EXISTING);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = error;
    std::string path = program_path();
    std::string command_line = "\"" + path + "\"";
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(path.c_str(), command_line.data(), nullptr, nullptr, TRUE,
                                        DETACHED_PROCESS, nullptr, nullptr, &startup, &process);
    for (HANDLE programs_end : {in, out, error}) {
        if (programs_end != nullptr)
            CloseHandle(programs_end);
    }
    if (!started)
        throw std::runtime_error("CreateProcess failed for " + path);
    CloseHandle(process.hThread);
    process_ = process.hProcess;
    child_ = program_ = static_cast<pid_t>(process.dwProcessId);
    to_program_ = ours_in != nullptr ? descriptor_of(ours_in) : -1;
    from_program_ = ours_out != nullptr ? descriptor_of(ours_out) : -1;
    output_closed_ = from_program_ < 0;
}

Program::~Program() {
    close_input();
    if (from_program_ >= 0)
        _close(from_program_);
    if (!reaped_) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, INFINITE);
    }
    CloseHandle(process_);
    if (!temp_path_.empty())
        DeleteFileA(temp_path_.c_str());
}

bool Program::send(const std::string& bytes) {
    DWORD written = 0;
    return to_program_ >= 0 &&
           WriteFile(handle_of(to_program_), bytes.data(), static_cast<DWORD>(bytes.size()),
                     &written, nullptr) &&
           written == bytes.size();
}

void Program::close_input() {
    if (to_program_ >= 0)
        _close(to_program_);
    to_program_ = -1;
}

// The program's output is in text mode: it writes each LF as CR LF, as Windows programs do (and
// as documented). Here, and only here, each CR LF becomes the LF that a POSIX build writes; an LF
// without its CR is marked, so that it never matches an expectation.
void Program::append_output(const char* bytes, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] != '\n')
            output_ += bytes[i];
        else if (!output_.empty() && output_.back() == '\r')
            output_.back() = '\n';
        else
            output_ += "[LF without CR]\n";
    }
}

bool Program::read_some(int wait_ms) {
    if (output_closed_)
        return false;
    const HANDLE pipe = handle_of(from_program_);
    const auto start = std::chrono::steady_clock::now();
    DWORD ready = 0;
    // Anonymous pipes cannot be waited on: look until something is there or the writer has gone.
    while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &ready, nullptr) && ready == 0) {
        if (milliseconds_since(start) >= wait_ms)
            return false;
        note_peak_memory();
        Sleep(1);
    }
    char buf[65536];
    DWORD n = 0;
    const bool got = ReadFile(pipe, buf, sizeof buf, &n, nullptr) && n > 0;
    if (got)
        append_output(buf, n);
    if (!got ||
        output_.size() >= read_limit_) {  // the end of output, or the reader has seen enough
        _close(from_program_);
        from_program_ = -1;
        output_closed_ = true;
    }
    return got;
}

// The peak memory is read while the program runs, as an ended process may report none.
void Program::note_peak_memory() {
    PROCESS_MEMORY_COUNTERS counters{};
    if (GetProcessMemoryInfo(process_, &counters, sizeof counters))
        max_rss_kb_ = std::max(max_rss_kb_, static_cast<long>(counters.PeakWorkingSetSize / 1024));
}

bool Program::running() {
    return !reaped_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

int Program::finish(int limit_ms, bool close) {
    if (close)
        close_input();
    if (reaped_)
        return status_;
    const auto start = std::chrono::steady_clock::now();
    bool ended = false;
    for (;;) {
        note_peak_memory();
        ended = ended || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
        if (ended && output_closed_)
            break;
        if (milliseconds_since(start) > limit_ms) {
            if (!ended) {
                TerminateProcess(process_, 1);
                WaitForSingleObject(process_, INFINITE);
            }
            reaped_ = true;
            return status_ = -1;
        }
        if (!read_some(10) && output_closed_)
            Sleep(5);
    }
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    reaped_ = true;
    return status_ = static_cast<int>(code);
}

}  // namespace harness
