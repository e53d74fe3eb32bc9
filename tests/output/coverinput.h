#pragma once
// Cover-sheet inputs of a contest code as the rules build them, with a filled own station.

#include "contest/contestinputs.h"
#include "contest/contestrules.h"
#include "foundation/daynumber.h"
#include "output/coverlines.h"

namespace coverinput {

inline TCoverInput Of(char code, uint8_t category = 0, bool english = false) {
  TContestInputs inputs;
  inputs.Code = code;
  inputs.StartDate = 155000;
  inputs.OwnCall = "DL1ABC";
  inputs.OwnDok = "Q03";
  inputs.ClassNumber = category;
  TCoverInput in;
  in.Def = BuildContestDefinition(inputs);
  in.List.SetTyp(code);
  in.List.SetCategory(category);
  in.List.SetNummer(1);
  in.List.SetDOK("Q03");
  in.List.SetExtraNumber(-1);
  in.Station.SetName("Erika Mustermann");
  in.Station.SetStreet("Hauptstraße 1 ");
  in.Station.SetPostcodeTown("66111 Saarbrücken");
  in.Station.SetCountry("Germany");
  in.Station.SetLocator("JN39LF");
  in.Station.SetSwlNumber("DE-1234");
  in.OwnCall = "DL1ABC";
  in.English = english;
  in.Today = "10.01.2026";
  in.WebAddress = "https://zor.velcor.example/";
  return in;
}

}  // namespace coverinput
