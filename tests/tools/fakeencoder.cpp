// A stand-in for the encoder, for tests that need its output to be exactly so. It records the
// arguments it was started with and then acts out a script.
//
// Environment:
//   VANTREL_FAKE_LOG     file to which each run appends its arguments (without the program
//                        name), one per line, followed by the line "<<<end of run>>>".
//   VANTREL_FAKE_SCRIPT  file with the script, one command per line. Without it the fake
//                        prints nothing and exits with 0.
//
// Script commands (a line's first word; the rest of the line is its text):
//   print <text>      write the text to standard output and flush it, so that it reaches the
//                     reader as a piece of its own when a sleep follows
//   stderr <text>     the same on standard error
//   printfile <path>  write the bytes of a file to standard output and flush
//   sleep <ms>        wait that many milliseconds
//   touch             create the output file (the last argument), empty
//   exit <code>       end at once with that exit code
//   crash             end abnormally (abort)
//   hang              wait an hour, as an encoder that never ends
//   readstdin         read standard input to its end and print "stdin:<bytes read>"
//   # ...             a comment; empty lines are skipped too
// In a text, \n \r \t \\ and \0 stand for a line feed, a carriage return, a tab, a backslash
// and a zero byte. After that, {input} stands for the argument following "-i" and {output} for
// the last argument. The script ends with exit code 0 unless it says otherwise.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string unescape(const std::string &text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        switch (text[++i]) {
        case 'n':
            result += '\n';
            break;
        case 'r':
            result += '\r';
            break;
        case 't':
            result += '\t';
            break;
        case '0':
            result += '\0';
            break;
        default:
            result += text[i];
        }
    }
    return result;
}

void replaceAll(std::string &text, const std::string &from, const std::string &to)
{
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

void write(std::FILE *stream, const std::string &bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char *argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);

    if (const char *log = std::getenv("VANTREL_FAKE_LOG")) {
        std::ofstream out(log, std::ios::app | std::ios::binary);
        for (const std::string &arg : args)
            out << arg << '\n';
        out << "<<<end of run>>>\n";
    }

    std::string input;
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "-i")
            input = args[i + 1];
    }
    const std::string output = args.empty() ? std::string() : args.back();

    const char *scriptPath = std::getenv("VANTREL_FAKE_SCRIPT");
    if (!scriptPath)
        return 0;
    std::ifstream script(scriptPath, std::ios::binary);
    std::string line;
    while (std::getline(script, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t blank = line.find(' ');
        const std::string command = line.substr(0, blank);
        std::string text = blank == std::string::npos ? std::string() : line.substr(blank + 1);
        text = unescape(text);
        replaceAll(text, "{input}", input);
        replaceAll(text, "{output}", output);

        if (command == "print") {
            write(stdout, text);
        } else if (command == "stderr") {
            write(stderr, text);
        } else if (command == "printfile") {
            std::ifstream file(text, std::ios::binary);
            write(stdout, std::string(std::istreambuf_iterator<char>(file), {}));
        } else if (command == "sleep") {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atol(text.c_str())));
        } else if (command == "touch") {
            std::ofstream(output, std::ios::binary);
        } else if (command == "exit") {
            return std::atoi(text.c_str());
        } else if (command == "crash") {
            std::abort();
        } else if (command == "hang") {
            std::this_thread::sleep_for(std::chrono::hours(1));
        } else if (command == "readstdin") {
            const std::string all(std::istreambuf_iterator<char>(std::cin), {});
            write(stdout, "stdin:" + std::to_string(all.size()));
        } else {
            write(stderr, "fakeencoder: unknown command " + command + "\n");
            return 2;
        }
    }
    return 0;
}
