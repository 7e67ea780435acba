// Fills the wallet address into the page's address field. str names the field:
// its position among the text inputs, its name, "-" for none, or empty or "?"
// to take the first suitable one and report it.
function korvaneTrelioInsertAdr() {
  var str = "%STR%";
  var adr = "%ADDRESS%";
  var ignore = [%IGNORE_FIELD_NAMES%];
  if (str == "-") return;
  var c = 1;
  var n = 0;
  if ((str | 0) > 0) n = str | 0;
  var inputs = document.querySelectorAll("input[type=text]");
  // Every page load runs this twice; once the address stands in a field, the
  // automatic choice must not take the next empty one too.
  if ((str === "" || str === "?") && adr !== "") {
    for (var k = 0; k < inputs.length; k++) {
      if (inputs[k].value == adr) return;
    }
  }
  for (var i = 0; i < inputs.length; i++) {
    var e = inputs[i];
    var opacity = e.style.opacity;
    var candidate = e.value.trim() == "" && e.style.display != "none" &&
        (opacity === "" || Number(opacity) !== 0) && ignore.indexOf(e.name) < 0;
    if (candidate) {
      if (str === "" || str === "?") {
        if (e.name.length > 15) {
          n = c;
          str = c;
        } else {
          str = e.name;
        }
        console.log("KorvaneTrelio#N: " + str);
      }
      if ((n > 0 && c == n) || (str !== "" && e.name == str)) e.value = adr;
    }
    c = c + 1;
  }
  // The form may be built later by the page's own scripts.
  if (inputs.length == 0) setTimeout(korvaneTrelioInsertAdr, 1000);
}
korvaneTrelioInsertAdr();
