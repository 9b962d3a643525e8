#include "session/calculator_model.h"

#include "res/resource.h"
#include "rotation/rotation_calc.h"
#include "translation/translation_calc.h"
#include "units/unit_factors.h"

namespace session {

namespace {

using namespace units;

const std::vector<Unit> kMass = {{"kg", 1.0}, {"slugs", KG_PER_SLUG}, {"lbm", KG_PER_LBM}};
const std::vector<Unit> kStiffness = {
    {"N/m", 1.0}, {"N/mm", 1000.0}, {"lbf/ft", FT_PER_M * N_PER_LBF}, {"lbf/in", IN_PER_M * N_PER_LBF}};
const std::vector<Unit> kFrequency = {{"rad/sec", 1.0}, {"Hz", RAD_PER_CYCLE}};

const std::vector<Unit> kInertia = {{"kg m^2 (N m sec^2)", 1.0},
                                    {"slugs ft^2", M_PER_FT * M_PER_FT * KG_PER_SLUG},
                                    {"slugs in^2", M_PER_IN * M_PER_IN * KG_PER_SLUG},
                                    {"lbm ft^2", M_PER_FT * M_PER_FT * KG_PER_LBM},
                                    {"lbm in^2", M_PER_IN * M_PER_IN * KG_PER_LBM},
                                    {"lbf in sec^2", N_PER_LBF * M_PER_IN}};
const std::vector<Unit> kTorsion = {{"N m/rad", 1.0},
                                    {"ft lbf/rad", N_PER_LBF * M_PER_FT},
                                    {"in lbf/rad", N_PER_LBF * M_PER_IN},
                                    {"N m/deg", DEG_PER_RAD},
                                    {"ft lbf/deg", DEG_PER_RAD * N_PER_LBF * M_PER_FT},
                                    {"in lbf/deg", DEG_PER_RAD * N_PER_LBF * M_PER_IN}};
const std::vector<Unit> kRotationFrequency = {{"rad/sec", 1.0}, {"Hz", RAD_PER_CYCLE}, {"rpm", RADS_PER_RPM}};

// The program keeps its last system across windows; so does the model.
translation::KeptQuantities translationKept;
rotation::KeptQuantities rotationKept;

}  // namespace

const CalculatorModel& translationModel() {
    static const CalculatorModel model{
        "Translation", IDC_TRA_ANALYSIS, IDC_TRA_ANALYSIS_GROUP, 0, IDC_TRA_INPUT1, IDC_TRA_INPUT2, IDC_TRA_UNITS1,
        IDC_TRA_UNITS2, IDC_TRA_INPUT1_LABEL, IDC_TRA_INPUT2_LABEL, IDC_TRA_INPUT_GROUP, IDC_TRA_RESULTS,
        IDC_TRA_RESULTS_TITLE, IDC_TRA_RESULTS_GROUP, IDC_TRA_DEFLECTION, IDC_TRA_DEFLECTION_LABEL, " ", true,
        {"natural frequency", "stiffness", "mass"},
        {{{"Mass", kMass, "Stiffness", kStiffness},
          {"Natural Frequency", kFrequency, "Mass", kMass},
          {"Natural Frequency", kFrequency, "Stiffness", kStiffness}}},
        [](const calculator::CalcRequest& request) {
            translation::CalcResult result = translation::calculate(request, translationKept);
            return Answer{result, result.deflection};
        }};
    return model;
}

const CalculatorModel& rotationModel() {
    static const CalculatorModel model{
        "Rotation", IDC_ROT_ANALYSIS, IDC_ROT_ANALYSIS_GROUP, IDC_ROT_CALC_LABEL, IDC_ROT_INPUT1, IDC_ROT_INPUT2, IDC_ROT_UNITS1,
        IDC_ROT_UNITS2, IDC_ROT_INPUT1_LABEL, IDC_ROT_INPUT2_LABEL, IDC_ROT_INPUT_GROUP, IDC_ROT_RESULTS,
        IDC_ROT_RESULTS_TITLE, IDC_ROT_RESULTS_GROUP, 0, 0, "", false,
        {"natural frequency", "torsional stiffness", "polar moment of inertia"},
        {{{"Polar Moment of Inertia", kInertia, "Torsional stiffness", kTorsion},
          {"Natural Frequency", kRotationFrequency, "Polar Moment of Inertia", kInertia},
          {"Natural Frequency", kRotationFrequency, "Torsional Stiffness", kTorsion}}},
        [](const calculator::CalcRequest& request) { return Answer{rotation::calculate(request, rotationKept), {}}; }};
    return model;
}

}  // namespace session
