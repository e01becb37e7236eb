// The coefficients of the current system's normalised transfer functions.
//
// Every curve of a calculation unit is N(s)/D(s) in the complex frequency s
// normalised to the driver's free-air resonance FS; the evaluators put
// s = j*f. Coefficient lists run from the highest power of s down. Which
// name means which coefficient is each unit's own business: the denominator
// sets begin with A (the Triple Vented unit keeps one per driver, A1x and
// A2x), the numerator sets with B, C, D and E, named by curve and power.
#pragma once

namespace quendal {

struct TransferCoefficients {
    double A01 = 0.0, A02 = 0.0, A03 = 0.0, A04 = 0.0, A05 = 0.0, A06 = 0.0, A07 = 0.0, A08 = 0.0, A09 = 0.0;
    double A11 = 0.0, A12 = 0.0, A13 = 0.0, A14 = 0.0, A15 = 0.0, A16 = 0.0, A17 = 0.0, A18 = 0.0, A19 = 0.0;
    double A21 = 0.0, A22 = 0.0, A23 = 0.0, A24 = 0.0, A25 = 0.0, A26 = 0.0, A27 = 0.0, A28 = 0.0, A29 = 0.0;
    double A31 = 0.0, A32 = 0.0, A33 = 0.0, A34 = 0.0, A35 = 0.0, A36 = 0.0, A37 = 0.0, A38 = 0.0, A39 = 0.0;
    double A41 = 0.0, A42 = 0.0, A43 = 0.0, A44 = 0.0, A45 = 0.0, A46 = 0.0, A47 = 0.0, A48 = 0.0, A49 = 0.0;
    double A51 = 0.0, A52 = 0.0, A53 = 0.0, A54 = 0.0, A55 = 0.0, A56 = 0.0, A57 = 0.0, A58 = 0.0, A59 = 0.0;
    double A61 = 0.0, A62 = 0.0, A63 = 0.0, A64 = 0.0, A65 = 0.0, A66 = 0.0, A67 = 0.0, A68 = 0.0, A69 = 0.0;
    double B01 = 0.0, B02 = 0.0, B03 = 0.0, B04 = 0.0, B05 = 0.0, B06 = 0.0, B07 = 0.0, B08 = 0.0, B09 = 0.0;
    double B11 = 0.0, B12 = 0.0, B13 = 0.0, B14 = 0.0, B15 = 0.0, B16 = 0.0, B17 = 0.0, B18 = 0.0, B19 = 0.0;
    double B21 = 0.0, B22 = 0.0, B23 = 0.0, B24 = 0.0, B25 = 0.0, B26 = 0.0, B27 = 0.0, B28 = 0.0, B29 = 0.0;
    double B31 = 0.0, B32 = 0.0, B33 = 0.0, B34 = 0.0, B35 = 0.0, B36 = 0.0, B37 = 0.0, B38 = 0.0, B39 = 0.0;
    double B41 = 0.0, B42 = 0.0, B43 = 0.0, B44 = 0.0, B45 = 0.0, B46 = 0.0, B47 = 0.0, B48 = 0.0, B49 = 0.0;
    double B51 = 0.0, B52 = 0.0, B53 = 0.0, B54 = 0.0, B55 = 0.0, B56 = 0.0, B57 = 0.0, B58 = 0.0, B59 = 0.0;
    double B61 = 0.0, B62 = 0.0, B63 = 0.0, B64 = 0.0, B65 = 0.0, B66 = 0.0, B67 = 0.0, B68 = 0.0, B69 = 0.0;
    double C01 = 0.0, C02 = 0.0, C03 = 0.0, C04 = 0.0, C05 = 0.0, C06 = 0.0, C07 = 0.0, C08 = 0.0, C09 = 0.0;
    double C11 = 0.0, C12 = 0.0, C13 = 0.0, C14 = 0.0, C15 = 0.0, C16 = 0.0, C17 = 0.0, C18 = 0.0, C19 = 0.0;
    double C21 = 0.0, C22 = 0.0, C23 = 0.0, C24 = 0.0, C25 = 0.0, C26 = 0.0, C27 = 0.0, C28 = 0.0, C29 = 0.0;
    double C31 = 0.0, C32 = 0.0, C33 = 0.0, C34 = 0.0, C35 = 0.0, C36 = 0.0, C37 = 0.0, C38 = 0.0, C39 = 0.0;
    double C41 = 0.0, C42 = 0.0, C43 = 0.0, C44 = 0.0, C45 = 0.0, C46 = 0.0, C47 = 0.0, C48 = 0.0, C49 = 0.0;
    double C51 = 0.0, C52 = 0.0, C53 = 0.0, C54 = 0.0, C55 = 0.0, C56 = 0.0, C57 = 0.0, C58 = 0.0, C59 = 0.0;
    double C61 = 0.0, C62 = 0.0, C63 = 0.0, C64 = 0.0, C65 = 0.0, C66 = 0.0, C67 = 0.0, C68 = 0.0, C69 = 0.0;
    double D01 = 0.0, D02 = 0.0, D03 = 0.0, D04 = 0.0, D05 = 0.0, D06 = 0.0, D07 = 0.0, D08 = 0.0, D09 = 0.0;
    double D11 = 0.0, D12 = 0.0, D13 = 0.0, D14 = 0.0, D15 = 0.0, D16 = 0.0, D17 = 0.0, D18 = 0.0, D19 = 0.0;
    double D21 = 0.0, D22 = 0.0, D23 = 0.0, D24 = 0.0, D25 = 0.0, D26 = 0.0, D27 = 0.0, D28 = 0.0, D29 = 0.0;
    double D31 = 0.0, D32 = 0.0, D33 = 0.0, D34 = 0.0, D35 = 0.0, D36 = 0.0, D37 = 0.0, D38 = 0.0, D39 = 0.0;
    double D41 = 0.0, D42 = 0.0, D43 = 0.0, D44 = 0.0, D45 = 0.0, D46 = 0.0, D47 = 0.0, D48 = 0.0, D49 = 0.0;
    double D51 = 0.0, D52 = 0.0, D53 = 0.0, D54 = 0.0, D55 = 0.0, D56 = 0.0, D57 = 0.0, D58 = 0.0, D59 = 0.0;
    double D61 = 0.0, D62 = 0.0, D63 = 0.0, D64 = 0.0, D65 = 0.0, D66 = 0.0, D67 = 0.0, D68 = 0.0, D69 = 0.0;
    double E01 = 0.0, E02 = 0.0, E03 = 0.0, E04 = 0.0, E05 = 0.0, E06 = 0.0, E07 = 0.0, E08 = 0.0, E09 = 0.0;
    double E11 = 0.0, E12 = 0.0, E13 = 0.0, E14 = 0.0, E15 = 0.0, E16 = 0.0, E17 = 0.0, E18 = 0.0, E19 = 0.0;
    double E21 = 0.0, E22 = 0.0, E23 = 0.0, E24 = 0.0, E25 = 0.0, E26 = 0.0, E27 = 0.0, E28 = 0.0, E29 = 0.0;
    double E31 = 0.0, E32 = 0.0, E33 = 0.0, E34 = 0.0, E35 = 0.0, E36 = 0.0, E37 = 0.0, E38 = 0.0, E39 = 0.0;
    double E41 = 0.0, E42 = 0.0, E43 = 0.0, E44 = 0.0, E45 = 0.0, E46 = 0.0, E47 = 0.0, E48 = 0.0, E49 = 0.0;
    double E51 = 0.0, E52 = 0.0, E53 = 0.0, E54 = 0.0, E55 = 0.0, E56 = 0.0, E57 = 0.0, E58 = 0.0, E59 = 0.0;
    double E61 = 0.0, E62 = 0.0, E63 = 0.0, E64 = 0.0, E65 = 0.0, E66 = 0.0, E67 = 0.0, E68 = 0.0, E69 = 0.0;
    double KX = 1.0;         // level of the relative driver-displacement curve (Passive Radiator)

    double A01inf = 0.0;     // the Infinite Baffle's own 1/Q, kept for the comparison curve
    double KNQ = 1.0;        // band-pass level normalisation: 1 / |H| at the reference frequency
    double KX2 = 1.0;        // level of the relative displacement curves (Passive Raveza)
    double siftUpDwn = 0.0;  // dB, level shift of the band-pass units (0 for high-pass units)
};

}  // namespace quendal
