// Cold start to a mapped window, for Windows programs run under wine: starts each of two
// programs ROUNDS times, alternately, and takes the time from CreateProcess until a visible
// window of the given class shows; then the program's resident memory with its window up.
// Usage: velmo-cold-start <rounds> <program.exe> <window class> <yardstick.exe> <window class>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Start {
    double milliseconds = 0;
    double residentMiB = 0;
};

bool Shows(const std::wstring& windowClass, DWORD processId)
{
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, windowClass.c_str(), nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window))
            return true;
    }
    return false;
}

Start StartOnce(std::wstring program, const std::wstring& windowClass)
{
    LARGE_INTEGER frequency, begin, shown;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(nullptr, program.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return {};
    while (!Shows(windowClass, process.dwProcessId) && WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) { }
    QueryPerformanceCounter(&shown);
    Sleep(300); // the window drawn, as a user first sees it
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {1000.0 * static_cast<double>(shown.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart),
            static_cast<double>(memory.WorkingSetSize) / (1024 * 1024)};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t* argv[])
{
    if (argc != 6)
        return 2;
    const int rounds = std::stoi(argv[1]);
    std::vector<double> program, yardstick, memory, yardstickMemory;
    for (int i = 0; i < rounds; ++i) {
        const Start start = StartOnce(argv[2], argv[3]), floor = StartOnce(argv[4], argv[5]);
        program.push_back(start.milliseconds);
        memory.push_back(start.residentMiB);
        yardstick.push_back(floor.milliseconds);
        yardstickMemory.push_back(floor.residentMiB);
    }
    const double ours = Median(program), floor = Median(yardstick);
    const double resident = Median(memory), floorResident = Median(yardstickMemory);
    std::printf("cold start to a mapped window under wine, median of %d: velmo-calc.exe %.0f ms, floor window %.0f ms, "
                "ratio %.2f; resident memory %.1f MiB against %.1f MiB, %+.1f MiB\n",
                rounds, ours, floor, ours / floor, resident, floorResident, resident - floorResident);
    return 0;
}
