#ifndef PICTURERESPONSE_H
#define PICTURERESPONSE_H

// What the camera's processor did to the scene's light before the picture reached the program,
// for the edge refinement to take back: the exponent of its gamma curve, and the share k of the
// four-neighbour detail (4 x centre - neighbours) its sharpening added after the curve.
struct PictureResponse
{
    // A bare exponent stands for a picture that was not sharpened.
    PictureResponse(double toneExponent = 1.0, double sharpening = 0.0)
        : toneExponent(toneExponent)
        , sharpening(sharpening)
    {
    }

    double toneExponent;
    double sharpening;
};

#endif // PICTURERESPONSE_H
