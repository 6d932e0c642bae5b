// A scripted stand-in for the encoder, for tests that must stage what a real
// encoder does only by accident: text in odd chunks, hangs, crashes, exit codes.
//
// The script is read from the file named by FAKE_ENCODER_SCRIPT; without it,
// from "<this program's path>.script" when that file exists (a test can put
// one beside a copy named like the real encoder); otherwise each command-line
// argument is one script line. One command a line, '#' starts a comment:
//
//   print <text>    write text to stderr; \n \r \t \\ are escapes, {input}
//                   stands for the argument after "-i"
//   chunk <n>       write later prints n bytes at a time, flushing and pausing
//                   briefly between pieces (0: whole)
//   sleep <ms>      pause
//   hang            pause for ever (SIGTERM still ends it)
//   ignoreterm      ignore SIGTERM from now on (only SIGKILL ends it)
//   crash           die by SIGSEGV (no core file)
//   exit <code>     end with that code
//   echoargs        write each argument after the program name on its own
//                   line to stdout
//   touch-output    create the file named by the last argument
//
// The end of the script ends the program with code 0.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::vector<std::string> g_args;  // argv after the program name
std::size_t g_chunk = 0;

void Pause(long ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            std::exit(3);
        done += static_cast<std::size_t>(n);
    }
}

// An output path as the encoder sees it: "file:" names the plain file.
std::string PlainPath(const std::string& path)
{
    return path.rfind("file:", 0) == 0 ? path.substr(5) : path;
}

std::string InputArgument()
{
    for (std::size_t i = 0; i + 1 < g_args.size(); ++i)
        if (g_args[i] == "-i")
            return g_args[i + 1];
    return {};
}

std::string Unescape(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 7, "{input}") == 0) {
            out += InputArgument();
            i += 6;
        } else if (text[i] == '\\' && i + 1 < text.size()) {
            const char c = text[++i];
            out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        } else {
            out += text[i];
        }
    }
    return out;
}

void Print(const std::string& text)
{
    if (g_chunk == 0) {
        WriteAll(STDERR_FILENO, text);
        return;
    }
    for (std::size_t at = 0; at < text.size(); at += g_chunk) {
        WriteAll(STDERR_FILENO, text.substr(at, g_chunk));
        // A short pause so the reader sees the pieces apart.
        Pause(1);
    }
}

void Crash()
{
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    std::signal(SIGSEGV, SIG_DFL);
    std::raise(SIGSEGV);
    std::abort();
}

void Run(const std::string& line)
{
    const std::size_t blank = line.find(' ');
    const std::string command = line.substr(0, blank);
    const std::string rest = blank == std::string::npos ? std::string() : line.substr(blank + 1);
    if (command == "print") {
        Print(Unescape(rest));
    } else if (command == "chunk") {
        g_chunk = std::stoul(rest);
    } else if (command == "sleep") {
        Pause(std::stol(rest));
    } else if (command == "hang") {
        for (;;)
            pause();
    } else if (command == "ignoreterm") {
        std::signal(SIGTERM, SIG_IGN);
    } else if (command == "crash") {
        Crash();
    } else if (command == "exit") {
        std::exit(std::stoi(rest));
    } else if (command == "echoargs") {
        for (const std::string& arg : g_args)
            WriteAll(STDOUT_FILENO, arg + "\n");
    } else if (command == "touch-output") {
        if (!g_args.empty())
            std::ofstream(PlainPath(g_args.back()));
    } else if (!command.empty() && command[0] != '#') {
        WriteAll(STDERR_FILENO, "fake_encoder: unknown command: " + command + "\n");
        std::exit(2);
    }
}

std::vector<std::string> ReadScript(const std::string& file)
{
    std::vector<std::string> lines;
    std::ifstream in(file);
    if (!in) {
        WriteAll(STDERR_FILENO, "fake_encoder: cannot read script " + file + "\n");
        std::exit(2);
    }
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

int main(int argc, char** argv)
{
    g_args.assign(argv + 1, argv + argc);
    std::vector<std::string> script;
    if (const char* file = std::getenv("FAKE_ENCODER_SCRIPT"); file && *file)
        script = ReadScript(file);
    else if (const std::string beside = std::string(argv[0]) + ".script"; access(beside.c_str(), R_OK) == 0)
        script = ReadScript(beside);
    else
        script = g_args;
    for (const std::string& line : script) {
        try {
            Run(line);
        } catch (const std::exception&) {  // a number that does not read
            WriteAll(STDERR_FILENO, "fake_encoder: bad line: " + line + "\n");
            return 2;
        }
    }
    return 0;
}
