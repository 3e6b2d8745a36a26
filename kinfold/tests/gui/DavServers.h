// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Servers a sync test talks to, all on 127.0.0.1: a real radicale with its own storage and
// password file, and a small server of the test's own that answers nonsense.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace davtest {

inline int FreePort()
{
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (bind(s, (sockaddr*)&a, sizeof a) == 0 && getsockname(s, (sockaddr*)&a, &len) == 0) port = ntohs(a.sin_port);
    close(s);
    return port;
}

inline bool Accepts(int port)
{
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons((uint16_t)port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool ok = connect(s, (sockaddr*)&a, sizeof a) == 0;
    close(s);
    return ok;
}

// A process of the test's own, stopped with the object.
class Child {
public:
    ~Child() { Stop(); }
    // Starts argv[0] (searched on PATH) with its output into `log`; false when it is not up on
    // `port` within ten seconds.
    bool Start(const std::vector<std::string>& args, const std::string& log, int port)
    {
        pid = fork();
        if (pid == 0) {
            std::FILE* f = std::fopen(log.c_str(), "w");
            if (f) {
                dup2(fileno(f), 1);
                dup2(fileno(f), 2);
            }
            std::vector<char*> argv;
            for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execvp(argv[0], argv.data());
            _exit(127);
        }
        for (int i = 0; i < 200; ++i) {
            if (Accepts(port)) return true;
            int status;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    void Stop()
    {
        if (pid <= 0) return;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }
    pid_t pid = -1;
};

// Debian's radicale with user "ann", password "secret", on a free port.
class Radicale {
public:
    // A message naming what failed, or "". With `tls`, HTTPS with a self-made certificate for
    // the name "kinfold-test.invalid", which no client trusts.
    std::string Start(const std::filesystem::path& folder, bool tls = false)
    {
        dir = folder;
        this->tls = tls;
        std::filesystem::create_directories(dir / "storage");
        if (!port) port = FreePort();
        std::ofstream(dir / "users") << "ann:secret\n";
        std::string ssl;
        if (tls) {
            const std::string cert = (dir / "cert.pem").string(), key = (dir / "key.pem").string();
            const std::string make = "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=kinfold-test.invalid "
                                     "-keyout " + key + " -out " + cert + " >/dev/null 2>&1";
            if (std::system(make.c_str()) != 0) return "cannot make a certificate with openssl";
            ssl = "ssl = True\ncertificate = " + cert + "\nkey = " + key + "\n";
        }
        std::ofstream(dir / "config") << "[server]\nhosts = 127.0.0.1:" << port << "\n" << ssl
                                      << "[auth]\ntype = htpasswd\nhtpasswd_filename = " << (dir / "users").string()
                                      << "\nhtpasswd_encryption = plain\ndelay = 0\n[storage]\nfilesystem_folder = "
                                      << (dir / "storage").string()
                                      << "\n[rights]\ntype = owner_only\n[web]\ntype = none\n[logging]\nlevel = warning\n";
        if (!process.Start({"radicale", "-C", (dir / "config").string()}, (dir / "log").string(), port))
            return "cannot start radicale on 127.0.0.1:" + std::to_string(port) + " (see " + (dir / "log").string() + ")";
        return "";
    }
    void Stop() { process.Stop(); }
    std::string Url(const std::string& path = "/") const
    {
        return std::string(tls ? "https" : "http") + "://127.0.0.1:" + std::to_string(port) + path;
    }

    // curl as ann; the body of the answer, and the HTTP status in `status`.
    std::string Curl(const std::string& method, const std::string& path, const std::string& body = "",
                     int* status = nullptr, const std::string& headers = "") const
    {
        std::filesystem::path in = dir / "curl-body";
        std::ofstream(in, std::ios::binary) << body;
        std::string cmd = std::string("curl -s ") + (tls ? "-k " : "") + "-u ann:secret -X " + method + " " + headers + " --data-binary @" + in.string() +
                          " -w '\\n%{http_code}' '" + Url(path) + "'";
        std::string out;
        if (std::FILE* p = popen(cmd.c_str(), "r")) {
            char buf[4096];
            size_t n;
            while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
            pclose(p);
        }
        size_t nl = out.rfind('\n');
        if (status) *status = nl == std::string::npos ? 0 : std::atoi(out.c_str() + nl + 1);
        return nl == std::string::npos ? out : out.substr(0, nl);
    }
    int MakeAddressBook(const std::string& path) const
    {
        int status = 0;
        Curl("MKCOL", path,
             "<?xml version=\"1.0\"?><d:mkcol xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\"><d:set>"
             "<d:prop><d:resourcetype><d:collection/><c:addressbook/></d:resourcetype><d:displayname>Contacts"
             "</d:displayname></d:prop></d:set></d:mkcol>",
             &status);
        return status;
    }
    int PutCard(const std::string& path, const std::string& lines) const
    {
        int status = 0;
        Curl("PUT", path, "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines + "END:VCARD\r\n", &status,
             "-H 'Content-Type: text/vcard'");
        return status;
    }
    // The names of the members of a collection.
    std::vector<std::string> Members(const std::string& path) const
    {
        std::string xml = Curl("PROPFIND", path, "", nullptr, "-H 'Depth: 1'");
        std::vector<std::string> out;
        for (size_t at = 0; (at = xml.find("<href>", at)) != std::string::npos;) {
            at += 6;
            std::string href = xml.substr(at, xml.find('<', at) - at);
            if (href.size() > path.size() && href.compare(0, path.size(), path) == 0) out.push_back(href.substr(path.size()));
        }
        return out;
    }

    std::filesystem::path dir;
    int port = 0;
    bool tls = false;
    Child process;
};

// Answers every request with `reply` (raw bytes, HTTP or not), then closes; with an empty reply
// it says nothing for a minute.
class NonsenseServer {
public:
    std::string Start(const std::filesystem::path& folder, const std::string& reply)
    {
        port = FreePort();
        std::ofstream(folder / "reply", std::ios::binary) << reply;
        const std::string script =
            "import socket,sys,time\n"
            "r=open(sys.argv[2],'rb').read()\n"
            "s=socket.socket();s.setsockopt(socket.SOL_SOCKET,socket.SO_REUSEADDR,1)\n"
            "s.bind(('127.0.0.1',int(sys.argv[1])));s.listen(8)\n"
            "while True:\n"
            "  c,_=s.accept();c.settimeout(2)\n"
            "  try:\n"
            "    c.recv(65536)\n"
            "    if not r: time.sleep(60)\n"
            "    c.sendall(r)\n"
            "  except Exception: pass\n"
            "  c.close()\n";
        if (!process.Start({"python3", "-c", script, std::to_string(port), (folder / "reply").string()},
                           (folder / "nonsense.log").string(), port))
            return "cannot start the test's own server with python3";
        return "";
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(port) + "/"; }
    int port = 0;
    Child process;
};

} // namespace davtest
