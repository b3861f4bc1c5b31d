#include "tests/support/wait.h"

#include <utility>
#include <vector>

#include "tests/support/lock.h"

namespace {

Lock g_lock;
unsigned long long g_lastId = 0;
std::vector<std::pair<unsigned long long, std::string>> g_waits;  // oldest first

}  // namespace

WaitingFor::WaitingFor(std::string what)
{
    const Hold hold(g_lock);
    m_id = ++g_lastId;
    g_waits.emplace_back(m_id, std::move(what));
}

WaitingFor::~WaitingFor()
{
    const Hold hold(g_lock);
    for (auto wait = g_waits.begin(); wait != g_waits.end(); ++wait)
        if (wait->first == m_id) {
            g_waits.erase(wait);
            break;
        }
}

std::string WaitsUnderWay()
{
    const Hold hold(g_lock);
    std::string all;
    for (auto wait = g_waits.rbegin(); wait != g_waits.rend(); ++wait)
        all += (all.empty() ? "" : "; ") + wait->second;
    return all;
}
