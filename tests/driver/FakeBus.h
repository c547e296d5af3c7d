#pragma once
// A bus whose transactions the test completes by hand, in the order they were started.
#include "hart/HartTypes.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace drivertest {

class FakeBus : public hart::Bus {
public:
    void transact(const hart::Request& request, std::function<void(std::optional<hart::Reply>)> done) override
    {
        requests.push_back(request);
        pending.push_back(std::move(done));
    }
    void complete(std::optional<hart::Reply> reply)
    {
        ASSERT_FALSE(pending.empty()) << "no transaction to complete";
        auto done = std::move(pending.front());
        pending.pop_front();
        done(reply);
    }
    std::vector<hart::Request> requests;
    std::deque<std::function<void(std::optional<hart::Reply>)>> pending;
};

} // namespace drivertest
