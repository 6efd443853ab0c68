#pragma once

#include "Ports.h"

#include <random>

// The program's generator; tests seed it with a fixed value.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    void Seed(std::uint32_t seed) { engine_.seed(seed); }
    float Next() override {
        float u = dist_(engine_);
        return u < 1.0f ? u : 0.0f; // guards the rare rounding up to 1
    }

private:
    std::mt19937 engine_;
    std::uniform_real_distribution<float> dist_{0.0f, 1.0f};
};
