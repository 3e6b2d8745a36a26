// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a built program as a user would from a shell without a desktop: no DISPLAY, no
// WAYLAND_DISPLAY, no QT_QPA_PLATFORM, and a home folder of the test's own.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace runprogram {

struct Result {
    int status = -1;  // the exit status; -1 when the program did not exit by itself
    std::string out, err;
};

// The environment of a program run in `folder`: HOME and the XDG folders inside it, no display,
// then `extra` ("NAME=value").
inline std::vector<std::string> Environment(const std::string& folder, const std::vector<std::string>& extra = {})
{
    std::vector<std::string> env;
    auto overridden = [&](const std::string& name) {
        for (const std::string& x : extra)
            if (x.substr(0, x.find('=')) == name) return true;
        return false;
    };
    for (char** e = environ; *e; ++e) {
        std::string v = *e;
        std::string name = v.substr(0, v.find('='));
        // A variable of `extra` replaces the inherited one rather than following it.
        if (name == "DISPLAY" || name == "WAYLAND_DISPLAY" || name == "QT_QPA_PLATFORM" || name == "HOME" ||
            name.rfind("XDG_", 0) == 0 || overridden(name))
            continue;
        env.push_back(v);
    }
    env.push_back("HOME=" + folder);
    env.push_back("XDG_CONFIG_HOME=" + folder + "/.config");
    env.push_back("XDG_DATA_HOME=" + folder + "/.local/share");
    env.push_back("XDG_RUNTIME_DIR=" + folder + "/.run");
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
}

// In a child after fork: runs `program` in `folder` with `env`, or ends with 127.
[[noreturn]] inline void ExecIn(const std::string& program, const std::vector<std::string>& args,
                                const std::string& folder, std::vector<std::string> env)
{
    std::vector<char*> envp, argv;
    for (std::string& v : env) envp.push_back(v.data());
    envp.push_back(nullptr);
    std::vector<std::string> all{program};
    all.insert(all.end(), args.begin(), args.end());
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (chdir(folder.c_str()) == 0) execve(program.c_str(), argv.data(), envp.data());
    _exit(127);
}

// Starts `program` in the background (output to `log`); its process id, to be stopped by the caller.
inline pid_t Spawn(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
                   const std::vector<std::string>& extraEnv, const std::string& log = "/dev/null")
{
    pid_t pid = fork();
    if (pid == 0) {
        int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (fd >= 0) {
            dup2(fd, 1);
            dup2(fd, 2);
        }
        ExecIn(program, args, folder, Environment(folder, extraEnv));
    }
    return pid;
}

// Runs `program` with `args` in `folder`, with HOME and the XDG folders inside `folder`; with
// `input`, that is its standard input (a few lines: it must fit the pipe).
inline Result Run(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
                  const std::vector<std::string>& extraEnv = {}, const std::string* input = nullptr)
{
    std::vector<std::string> env = Environment(folder, extraEnv);
    int out[2], err[2], in[2] = {-1, -1};
    Result r;
    if (pipe(out) != 0 || pipe(err) != 0 || (input && pipe(in) != 0)) return r;
    // Written before the program starts, so that a program that reads nothing breaks no pipe.
    if (input) {
        if (write(in[1], input->data(), input->size()) < 0) {}
        close(in[1]);
    }
    pid_t pid = fork();
    if (pid == 0) {
        if (input) dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        close(out[0]);
        close(err[0]);
        ExecIn(program, args, folder, env);
    }
    close(out[1]);
    close(err[1]);
    if (input) close(in[0]);
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, 120000) <= 0) break;
        for (pollfd& p : fds) {
            if (p.fd < 0 || !(p.revents & (POLLIN | POLLHUP))) continue;
            char buf[4096];
            ssize_t n = read(p.fd, buf, sizeof buf);
            if (n > 0) (p.fd == out[0] ? r.out : r.err).append(buf, (size_t)n);
            else {
                close(p.fd);
                p.fd = -1;
                --open;
            }
        }
    }
    if (open > 0) kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    for (pollfd& p : fds)
        if (p.fd >= 0) close(p.fd);
    if (WIFEXITED(status) && open == 0) r.status = WEXITSTATUS(status);
    return r;
}

} // namespace runprogram
