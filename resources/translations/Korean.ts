<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>ColorWheelTool</name>
    <message>
        <source>ColorWheelTool</source>
        <translation>색상환</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>풀 컬러</translation>
    </message>
    <message>
        <source>Top Color</source>
        <translation>위쪽 색</translation>
    </message>
    <message>
        <source>Bottom Color</source>
        <translation>아래쪽 색</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>방향</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>밝기</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>느리게</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>빠르게</translation>
    </message>
</context>
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>연결:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Assign proFile</source>
        <translation>프로필 지정</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>키 재지정</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>지정할 키 ？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>매크로:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>프로필:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>No custom features added</source>
        <translation>추가된 사용자 기능이 없습니다</translation>
    </message>
</context>
<context>
    <name>DCustomEventWidget</name>
    <message>
        <source>DCustomEventWidget</source>
        <translation>DCustomEventWidget</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>사용자 조명</translation>
    </message>
</context>
<context>
    <name>DDeviceListItem</name>
    <message>
        <source>Product</source>
        <translation>제품</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>Product</source>
        <translation>제품</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>키보드 이름</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않았습니다</translation>
    </message>
    <message>
        <source>Profile 1</source>
        <translation>프로필 1</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>키 설정</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>조명 설정</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>사이드 라이트</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>프로필 그룹 </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>프로필 이름</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>프로필 이름</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>프로필을 프로그램에 연결</translation>
    </message>
    <message>
        <source>App path：/usr/bin/firefox</source>
        <translation>앱 경로：/usr/bin/firefox</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>응용 프로그램 선택</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>앱 모드</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>온보드 편집기</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>기본 레이어</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1 레이어</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>FN1 설정</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>조명 동기화</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>로그 메시지</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>공장 초기화</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>조명 효과</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>성능</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>사용자 지정 목록</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>DPI 설정</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>화상 키보드</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>먼저 장치를 연결하세요!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>현재 온보드 모드입니다. 먼저 종료하세요</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>키 재할당</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>비활성화</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>응용 프로그램 실행</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>바로 가기</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>프로필 전환</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>정적</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>네온</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>호흡</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>웨이브</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>반짝임</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>스네이크</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>레이더</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>오로라</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>물결</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>속도 반응</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>반응형</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>크로스</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>음악 리듬</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>자동 물결</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>줄무늬</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>불꽃놀이</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>충돌</translation>
    </message>
    <message>
        <source>The profile file could not be read; it was kept as %1 and a new one was made.</source>
        <translation>프로필 파일을 읽을 수 없습니다. %1(으)로 보관하고 새 파일을 만들었습니다.</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>프로필 파일을 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>The profile file cannot be read for lack of permission; it was left as it is.</source>
        <translation>권한이 없어 프로필 파일을 읽을 수 없습니다. 파일은 그대로 두었습니다.</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>이 장치는 온보드 메모리를 지원하지 않습니다</translation>
    </message>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>사용자 조명 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>사용자 조명 이름을 변경했습니다</translation>
    </message>
    <message>
        <source>Set light effect successfully</source>
        <translation>조명 효과를 설정했습니다</translation>
    </message>
    <message>
        <source>Open light successful</source>
        <translation>조명을 켰습니다</translation>
    </message>
    <message>
        <source>Close light successful</source>
        <translation>조명을 껐습니다</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>한 번 재생</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>여러 번 재생</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>연속 재생 켜기/끄기</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>키를 누르는 동안 재생</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>L_CTRL</source>
        <translation>L_CTRL</translation>
    </message>
    <message>
        <source>L_SHIFT</source>
        <translation>L_SHIFT</translation>
    </message>
    <message>
        <source>L_ALT</source>
        <translation>L_ALT</translation>
    </message>
    <message>
        <source>L_WIN</source>
        <translation>L_WIN</translation>
    </message>
    <message>
        <source>R_CTRL</source>
        <translation>R_CTRL</translation>
    </message>
    <message>
        <source>R_SHIFT</source>
        <translation>R_SHIFT</translation>
    </message>
    <message>
        <source>R_ALT</source>
        <translation>R_ALT</translation>
    </message>
    <message>
        <source>R_WIN</source>
        <translation>R_WIN</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>왼쪽 버튼</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>가운데 버튼</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>오른쪽 버튼</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>휠 위로</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>휠 아래로</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>스나이퍼 버튼</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>빠른 설정 성공</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>빠른 설정 실패</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>온보드 다운로드 [실패]</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>팁</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>The keyboard holds at most 10 macros</source>
        <translation>키보드에는 매크로를 최대 10개까지 저장할 수 있습니다</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>다운로드에 실패했습니다. 다시 시도하세요</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>쓰기 시작</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>쓰기 완료</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>다운로드 성공</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>공장 설정으로 복원하시겠습니까?</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>공장 설정 복원 실패</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>공장 설정으로 복원했습니다</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>설정 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>설정 이름을 변경했습니다</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>먼저 키를 선택하세요!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>FN 키를 설정했습니다</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>FN1 키를 설정했습니다</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>프로필 파일 열기</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>프로필 파일(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>설정을 만들 수 없습니다</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>새 설정을 만들었습니다</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>먼저 저장 폴더를 선택하십시오</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>프로필을 내보냈습니다</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>프로필 내보내기에 실패했습니다</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>먼저 가져올 파일을 선택하십시오</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>프로필 가져오기에 실패했습니다</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>프로필을 가져왔습니다</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>설정을 하나 이상 남겨야 합니다</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>설정을 삭제했습니다</translation>
    </message>
    <message>
        <source>Restore config successful</source>
        <translation>설정을 복원했습니다</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>FN 키 설정을 유지하시겠습니까?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>FN1 키 설정을 유지하시겠습니까?</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>레이어를 비울 수 없습니다</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>레이어를 비웠습니다</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>비어 있음</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>키를 비웠습니다</translation>
    </message>
    <message>
        <source>Set light effect failed</source>
        <translation>조명 효과 설정에 실패했습니다</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>사용자 조명 이름 변경에 실패했습니다</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>프로필을 추가했습니다</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>프로필 수가 최대에 도달했습니다</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>프로필은 하나 이상 남아 있어야 합니다</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>프로필을 삭제했습니다</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>프로그램 선택</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>프로그램(*)</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>프로필 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>프로필 정보를 수정했습니다</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>현재 프로필을 초기화하시겠습니까?</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>현재 프로필을 초기화했습니다</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>DPI 순환</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>앞으로_왼쪽</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>뒤로_왼쪽</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>앞으로_오른쪽</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>뒤로_오른쪽</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>작업 실패</translation>
    </message>
    <message>
        <source>The sound cannot be captured: Musical Rhythm needs a running sound server.</source>
        <translation>소리를 캡처할 수 없습니다. 음악 리듬에는 실행 중인 사운드 서버가 필요합니다.</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>작업 성공</translation>
    </message>
    <message>
        <source>The mouse cannot take this macro: at most 50 key or button events.</source>
        <translation>마우스가 이 매크로를 받을 수 없습니다: 키 또는 버튼 이벤트는 최대 50개입니다.</translation>
    </message>
</context>
<context>
    <name>DDpiConfigListItem</name>
    <message>
        <source>DDpiConfigListItem</source>
        <translation>DDpiConfigListItem</translation>
    </message>
    <message>
        <source>Sniper</source>
        <translation>저격</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>X/Y:</source>
        <translation>X/Y:</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>펌웨어 정보</translation>
    </message>
</context>
<context>
    <name>DHomeDeviceListItem</name>
    <message>
        <source>DHomeDeviceListItem</source>
        <translation>DHomeDeviceListItem</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>제품</translation>
    </message>
    <message>
        <source>My Keyboard Name</source>
        <translation>내 키보드 이름</translation>
    </message>
</context>
<context>
    <name>DHomeDeviceListWidget</name>
    <message>
        <source>DHomeDeviceListWidget</source>
        <translation>DHomeDeviceListWidget</translation>
    </message>
</context>
<context>
    <name>DHomePage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>장치가 연결되지 않았습니다</translation>
    </message>
    <message>
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:14pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:14pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:14pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:14pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>바로 가기</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>내 컴퓨터 열기</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>키 입력？</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Disable Key</source>
        <translation>키 비활성화</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Select app</source>
        <translation>앱 선택</translation>
    </message>
    <message>
        <source>App path：/usr/bin/gimp</source>
        <translation>앱 경로：/usr/bin/gimp</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>애플리케이션 선택</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>파일 선택</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>텍스트 입력 ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DLinkagePage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Linkage</source>
        <translation>연동</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>로그인</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>재생 방식</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>한 번 재생</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>여러 번 재생</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>연속 재생 켜기/끄기</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>키를 누르는 동안 재생</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>매크로 지정</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>재생 횟수</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>재생 횟수 1,2,3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>매크로 그룹 </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>지연 설정</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>녹화된 지연</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>지연 없음</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>기본 지연</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>매크로 기록</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>기록이 비어 있습니다</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 ms</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>매크로에 삽입</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>뒤에 이벤트 삽입</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>앞에 이벤트 삽입</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>이벤트</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>지연</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>키를 누르세요</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>지연 시간을 입력하세요</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>삽입</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>속성</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>수정</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위로</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>아래로</translation>
    </message>
    <message>
        <source>Recording could not start</source>
        <translation>녹화를 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>매크로 녹화 시작</translation>
    </message>
    <message>
        <source>Keys and clicks are recorded only in this program&apos;s windows</source>
        <translation>키와 클릭은 이 프로그램 창에서만 녹화됩니다</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>매크로 녹화 중지</translation>
    </message>
    <message>
        <source>Save record macro failed</source>
        <translation>녹화 저장 실패</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>삭제 실패</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>먼저 위치를 선택하세요</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>이벤트 수가 한도에 도달했습니다</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>삽입 실패</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>삽입 성공</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>수정 실패</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>수정 성공</translation>
    </message>
    <message>
        <source>Move failed</source>
        <translation>이동 실패</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>매크로 추가 실패</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>매크로 추가 성공</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>매크로 삭제 실패</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>매크로 삭제 성공</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>매크로 이름은 비워 둘 수 없습니다</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>매크로 이름 수정 성공</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>매크로 이름 수정 실패</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>먼저 매크로를 선택하세요</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>매크로 지우기 실패</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>매크로 지우기 성공</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>매크로 파일 열기</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>매크로 파일(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>매크로 가져오기 실패</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>매크로 가져오기 성공</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>먼저 저장 폴더를 선택하세요</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>매크로 내보내기 실패</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>매크로 내보내기 성공</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>DMainWidget</source>
        <translation>DMainWidget</translation>
    </message>
    <message>
        <source>BRIVEX</source>
        <translation>BRIVEX</translation>
    </message>
    <message>
        <source>HOME</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>장치</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>LINKAGE</source>
        <translation>연동</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>최소화(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>최대화(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>복원(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was left as it is.</source>
        <translation>파일 %1을(를) 읽을 수 없습니다. 그대로 두었습니다.</translation>
    </message>
    <message>
        <source>The file %1 could not be read; it was kept as %2 and a new one was made.</source>
        <translation>파일 %1을(를) 읽을 수 없습니다. %2(으)로 보관하고 새 파일을 만들었습니다.</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>마우스 버튼</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>왼쪽 버튼</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>가운데 버튼</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>오른쪽 버튼</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>왼쪽 측면 버튼 - 뒤로</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>측면 버튼 - 앞으로</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>휠 아래로</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>휠 위로</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>스나이퍼 버튼</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DMouseLightPage</name>
    <message>
        <source>DMouseLightPage</source>
        <translation>DMouseLightPage</translation>
    </message>
    <message>
        <source>Light Around</source>
        <translation>주변 조명</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>휠</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>로고</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>Left Click</source>
        <translation>왼쪽 클릭</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>DPI 순환</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>앞으로_왼쪽</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>뒤로_왼쪽</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>오른쪽 클릭</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>가운데 클릭</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>앞으로_오른쪽</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>뒤로_오른쪽</translation>
    </message>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>마우스 왼쪽</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>마우스 가운데</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>휠 위로</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>휠 아래로</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>앞으로</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>스나이퍼 버튼</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
</context>
<context>
    <name>DMousePerformanceView</name>
    <message>
        <source>DMousePerformanceView</source>
        <translation>DMousePerformanceView</translation>
    </message>
    <message>
        <source>Mouse Properties:</source>
        <translation>마우스 속성:</translation>
    </message>
    <message>
        <source>125Hz</source>
        <translation>125Hz</translation>
    </message>
    <message>
        <source>250Hz</source>
        <translation>250Hz</translation>
    </message>
    <message>
        <source>500Hz</source>
        <translation>500Hz</translation>
    </message>
    <message>
        <source>1000Hz</source>
        <translation>1000Hz</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>현재 프로필 초기화</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>마우스 설정</translation>
    </message>
    <message>
        <source>No mouse settings tool found</source>
        <translation>마우스 설정 도구를 찾을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>다음 트랙</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>볼륨 낮추기</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>볼륨 높이기</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DOnboardPage</name>
    <message>
        <source>DOnboardPage</source>
        <translation>DOnboardPage</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>키 재할당</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>프로필 전환</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>응용 프로그램 실행</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>바로 가기</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>비어 있음</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Win 잠금이 켜져 있으면:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows 키 비활성화</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 비활성화</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB 비활성화</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB 비활성화</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>현재 프로필 초기화</translation>
    </message>
    <message>
        <source>Wimdows Keyboard Properties</source>
        <translation>키보드 설정</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>DSettingsDia</source>
        <translation>DSettingsDia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>배경 이미지</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>자동 시작</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>시스템 시작 시 프로그램 실행(최소화)</translation>
    </message>
    <message>
        <source>Minimize startup to tray</source>
        <translation>트레이로 최소화</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>닫으면 트레이로</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>펌웨어 업그레이드 확인</translation>
    </message>
    <message>
        <source>Taobao Link</source>
        <translation>Taobao 링크</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>지원</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>피드백 보내기</translation>
    </message>
    <message>
        <source>Brivex</source>
        <translation>Brivex</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>응용 소프트웨어</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>GNU GPL 버전 3 이상의 자유 소프트웨어입니다.</translation>
    </message>
    <message>
        <source>V_2020.03.17.0001</source>
        <translation>V_2020.03.17.0001</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>링크</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>다크</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>라이트</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>블루</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>핑크</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>업그레이드할 장치가 없습니다</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>설정이 저장되었습니다</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>설정을 저장하지 못했습니다</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;font-family:&quot;%3&quot;;font-size:12pt; color:#ff6666;&quot;&gt;&lt;/span&gt;&lt;a href=&quot;Company|%1|&quot;&gt;&lt;span style=&quot;font-size:12pt; text-decoration:underline; color:rgb(%2);&quot;&gt;%1&lt;/span&gt;</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
</context>
<context>
    <name>DTipInfoDia</name>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>취소하고 버리기</translation>
    </message>
    <message>
        <source>DTipInfoDia</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>Do you want to save the current light mode to the device?</source>
        <translation>현재 조명 모드를 장치에 저장하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>펌웨어 업그레이드</translation>
    </message>
    <message>
        <source>If the firmware is being upgraded, do not unplug the device!</source>
        <translation>펌웨어 업그레이드 중에는 장치를 분리하지 마십시오!</translation>
    </message>
    <message>
        <source>Upgrade successful</source>
        <translation>업그레이드 성공</translation>
    </message>
    <message>
        <source>Upgrade failed</source>
        <translation>업그레이드 실패</translation>
    </message>
</context>
<context>
    <name>DmouseConfigView</name>
    <message>
        <source>DmouseConfigView</source>
        <translation>DmouseConfigView</translation>
    </message>
    <message>
        <source>Enable X/Y</source>
        <translation>X/Y 사용</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>KeyAssignmentTexts</name>
    <message>
        <source>Play once</source>
        <translation>한 번 재생</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>여러 번 재생</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>연속 재생 켜기/끄기</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>키를 누르고 있는 동안 재생</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>볼륨 크게</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>볼륨 작게</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>음소거</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>재생/일시정지</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>다음 트랙</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>이전 트랙</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>계산기</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>브라우저</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>마우스 왼쪽</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>마우스 가운데</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>마우스 오른쪽</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>휠 위로</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>휠 아래로</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>마우스 왼쪽 측면 키-앞으로</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>마우스 왼쪽 측면 키-뒤로</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>내 컴퓨터 열기</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>컴퓨터 잠금</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>잘라내기</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>KeyLayoutFile</name>
    <message>
        <source>한자</source>
        <translation>한자</translation>
    </message>
    <message>
        <source>한영</source>
        <translation>한영</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Exe Crash</source>
        <translation>프로그램 충돌</translation>
    </message>
    <message>
        <source>I&apos;m very sorroy for this crash !</source>
        <translation>프로그램이 비정상 종료되어 대단히 죄송합니다!</translation>
    </message>
</context>
<context>
    <name>SoftKeyboardButCustom</name>
    <message>
        <source>Chinese</source>
        <translation>중국어</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>한국어/영어</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Like name:</source>
        <translation>이름:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>현재 버전:</translation>
    </message>
    <message>
        <source>Upgrade progress:</source>
        <translation>업그레이드 진행률:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>새 버전:</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>업그레이드</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>keyboardImagePage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
</context>
<context>
    <name>keyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>다시 지정할 수 없음</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>키 다시 지정</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>매크로</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>키 조합</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>프로필 전환</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>프로필:</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>응용 프로그램 실행</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>바로 가기</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>알 수 없음</translation>
    </message>
</context>
<context>
    <name>keyboardPage</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
</context>
<context>
    <name>onboardExplainDia</name>
    <message>
        <source>onboardExplainDia</source>
        <translation>onboardExplainDia</translation>
    </message>
    <message>
        <source>APP mode:</source>
        <translation>앱 모드:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;In app mode, the function of button customization can only be used when the app is opened. The customized content can only be saved on the computer, and it does not support downloading to the keyboard.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;앱 모드에서는 앱이 열려 있을 때만 키 설정이 동작합니다. 설정은 컴퓨터에만 저장되며 키보드로 다운로드할 수 없습니다.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Onboard Editor:</source>
        <translation>온보드 편집기:</translation>
    </message>
    <message>
        <source>In onboard editing mode, the interactive light effect is invalid.</source>
        <translation>온보드 편집 모드에서는 인터랙티브 조명 효과를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;The key can be downloaded and saved to the keyboard according to the customized content. The board can be divided into two layers, the default layer and the FN1 layer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;키 설정을 키보드에 다운로드하여 저장할 수 있습니다. 키보드에는 기본 레이어와 FN1 레이어의 두 레이어가 있습니다.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Default layer:</source>
        <translation>기본 레이어:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Press the key directly to send the code.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;키를 직접 눌러 코드를 보냅니다.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>FN1 layer:</source>
        <translation>FN1 레이어:</translation>
    </message>
    <message>
        <source>1.Select a key and set it to FN1.</source>
        <translation>1. 키를 선택하여 FN1로 설정합니다.</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2.Send the code by combining with the custom FN1 key.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;2. 사용자 FN1 키와 함께 눌러 코드를 보냅니다.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>레이어:</translation>
    </message>
    <message>
        <source>Default Layer.</source>
        <translation>기본 레이어.</translation>
    </message>
    <message>
        <source>FN Layer – Factory Preset FN functions.</source>
        <translation>FN 레이어 – 공장 출하 FN 기능.</translation>
    </message>
    <message>
        <source>FN1 Layer – Can be customized.</source>
        <translation>FN1 레이어 – 사용자 설정 가능.</translation>
    </message>
</context>
<context>
    <name>onboardKeyboardKeyTool</name>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Cannot be remapped</source>
        <translation>다시 지정할 수 없음</translation>
    </message>
</context>
<context>
    <name>onboardProfileMenuToolWidget</name>
    <message>
        <source>onboardProfileMenuToolWidget</source>
        <translation>onboardProfileMenuToolWidget</translation>
    </message>
    <message>
        <source>Create New</source>
        <translation>새로 만들기</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
    <message>
        <source>QWERTY</source>
        <translation>QWERTY</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Dvorak</source>
        <translation>Dvorak</translation>
    </message>
    <message>
        <source>Clean layer</source>
        <translation>레이어 비우기</translation>
    </message>
</context>
<context>
    <name>proFileOperateMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>폼</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>이름 변경</translation>
    </message>
</context>
<context>
    <name>profileListItem</name>
    <message>
        <source>profileListItem</source>
        <translation>profileListItem</translation>
    </message>
</context>
</TS>
