#pragma once

// Three consecutive floats, so it can be handed to the matrix library as its vector type.
class TAV_Vector3
{
public:
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    TAV_Vector3() = default;
    TAV_Vector3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
    explicit TAV_Vector3(float s) : x(s), y(s), z(s) {}

    bool operator==(const TAV_Vector3& o) const = default;
    TAV_Vector3 operator+(const TAV_Vector3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    TAV_Vector3 operator-(const TAV_Vector3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    TAV_Vector3 operator*(float f) const { return {x * f, y * f, z * f}; }
    TAV_Vector3 operator/(float f) const { return {x / f, y / f, z / f}; }
    TAV_Vector3& operator+=(const TAV_Vector3& o);
    TAV_Vector3& operator/=(float f);

    // 0 gives x, 1 gives y, any other index gives z.
    float& operator[](int i) { return i == 0 ? x : (i == 1 ? y : z); }
    float operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }

    float Length() const;
    // Divides by the length; a zero vector stays as it is.
    void Normalize();
};

inline TAV_Vector3 operator*(float f, const TAV_Vector3& v)
{
    return v * f;
}

static_assert(sizeof(TAV_Vector3) == 3 * sizeof(float), "TAV_Vector3 must be three consecutive floats");

float TAV_Abs(float f);
float TAV_Sqrt(float f);
