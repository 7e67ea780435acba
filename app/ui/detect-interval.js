// Reports the claim interval that the page text gives: the number before the
// first "minutes", else 1 when the text speaks of a "minute".
function korvaneTrelioDetectInterval() {
  var s = document.body ? document.body.innerText.toLowerCase() : "";
  var isDigit = function (ch) { return ch >= "0" && ch <= "9"; };
  var p = s.indexOf("minutes");
  if (p >= 0) {
    var end = p - 1;
    while (end >= 0 && !isDigit(s.charAt(end))) end--;
    if (end < 0) return;
    var start = end;
    while (start > 0 && isDigit(s.charAt(start - 1))) start--;
    console.log("KorvaneTrelio#I: " + s.substring(start, end + 1));
  } else if (s.indexOf("minute") >= 0) {
    console.log("KorvaneTrelio#I: 1");
  }
}
korvaneTrelioDetectInterval();
