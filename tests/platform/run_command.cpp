#include "platform/run_command.h"

#include <cstdlib>
#include <sys/wait.h>

int RunCommand(const std::string& command) {
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
