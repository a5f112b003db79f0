#include "fish/food_pellet.h"

namespace quillmere {

namespace {

// a - b of two draws taken in that order.
int drawDifference(Random& random) {
    const int first = random.next();
    const int second = random.next();
    return first - second;
}

} // namespace

void FoodPellet::Initialize(Random& random) {
    offsetX = static_cast<float>(drawDifference(random)) * 0.000042115542f;
    offsetY = 1.0f;
    offsetZ = static_cast<float>(drawDifference(random)) * 0.000011597033f;
    spinX = static_cast<float>(drawDifference(random)) * 0.0054933317f;
    const int d = random.next();
    const int e = random.next();
    const int f = random.next();
    const int g = random.next();
    spinY = static_cast<float>(f - g) * 0.0054933317f + static_cast<float>(d - e) * 0.0054933317f;
    sinkSpeed = static_cast<float>(random.next() % 10) * 0.0005f + 0.005f;
    alive = 1.0f;
    x = 0.0f;
    y = 0.0f;
    z = 0.0f;
}

void FoodPellet::Drop(float atX, float atY, float atZ, Random& random) {
    dropX = atX;
    dropY = atY;
    dropZ = atZ;
    Initialize(random);
}

PelletDraw FoodPellet::Step(int slot, Random& random) {
    PelletDraw draw;
    draw.slot = slot;
    draw.dropX = dropX;
    draw.dropY = dropY;
    draw.dropZ = dropZ;
    if (alive != 0.0f) {
        draw.visible = true;
        draw.spinY = spinY;
        draw.offsetX = offsetX;
        draw.offsetY = offsetY - 0.2f;
        draw.offsetZ = offsetZ;
        draw.spinX = spinX;
        x = dropX + offsetX;
        y = dropY + offsetY - 0.2f;
        z = dropZ + offsetZ;
    } else {
        active = false;
    }

    // The motion runs in the freeing call too; its draws are part of the sequence.
    if (offsetY > -40.0f) {
        offsetX += static_cast<float>(drawDifference(random)) * 6.103702e-8f;
        offsetY -= sinkSpeed;
        offsetZ += static_cast<float>(drawDifference(random)) * 6.103702e-8f;
        spinX += 0.4f;
        spinY += 2.0f;
    } else {
        offsetY = -40.0f;
        spinX -= static_cast<float>(random.next()) * 6.103702e-6f;
        spinY += static_cast<float>(random.next()) * 0.00003051851f;
        alive = 0.0f;
    }
    return draw;
}

void PelletDropper::Step(PelletSlots& pellets, Random& random) {
    if (counter == 0) {
        const int r1 = random.next();
        const int r2 = random.next();
        const int r3 = random.next();
        const float dropX = static_cast<float>(r3 % 2 == 0 ? -(r1 % 10) : r1 % 10);
        const float dropY = static_cast<float>(r2 % 10);
        for (FoodPellet& pellet : pellets) {
            if (!pellet.active) {
                pellet.Drop(dropX, dropY, -50.0f, random);
                pellet.active = true;
                break;
            }
        }
    }
    counter = (counter + 1) % 501;
}

} // namespace quillmere
