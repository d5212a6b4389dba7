// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Where the game's random fractions come from. The front end seeds it once per run
// and the game draws one fraction per new game; tests substitute fixed fractions.
class FractionSource
{
public:
    virtual ~FractionSource() = default;

    virtual void seed(std::uint64_t value) = 0;
    // The next fraction r, always 0 <= r < 1.
    [[nodiscard]] virtual float nextFraction() = 0;

protected:
    FractionSource() = default;
    FractionSource(const FractionSource &) = default;
    FractionSource &operator=(const FractionSource &) = default;
};

// Uniform fractions from SplitMix64, a small generator of 64-bit numbers that passes
// the usual statistical tests and whose every seed, the clock's included, starts a
// good sequence. Each fraction is a multiple of 2^-24, which a float holds exactly, so
// it can never round up to 1 (as std::generate_canonical<float> may).
class UniformFractionSource final : public FractionSource
{
public:
    void seed(std::uint64_t value) override;
    [[nodiscard]] float nextFraction() override;

private:
    std::uint64_t state = 0;
};

// Fractions given in advance, handed out in order; the last one repeats. The tests
// draw the hidden numbers they want with it, and so can the page's tests, which hand
// the page such a list before it loads.
class FixedFractions final : public FractionSource
{
public:
    explicit FixedFractions(std::vector<float> fractions);

    // The fraction that draws hiddenNumber (2 to 21).
    [[nodiscard]] static float drawing(int hiddenNumber);

    void seed(std::uint64_t value) override;
    [[nodiscard]] float nextFraction() override;

    void push(float fraction);
    // Every seed given, oldest first.
    [[nodiscard]] const std::vector<std::uint64_t> &seeds() const noexcept { return seedsGiven; }

private:
    std::vector<float> queue;
    std::size_t next = 0;
    float last = 0.0F;
    std::vector<std::uint64_t> seedsGiven;
};

// A seed taken from the system clock, in nanoseconds, different on every run: a whole
// class starting the game in the same second still gets different hidden numbers.
[[nodiscard]] std::uint64_t clockSeed();

// Where the seed of a run comes from when the form is loaded: clockSeed in the
// program, a fixed value in the tests.
using SeedClock = std::function<std::uint64_t()>;
