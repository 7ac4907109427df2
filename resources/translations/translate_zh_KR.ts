<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>history_list</name>
    <message>
        <source>双击列表选项即可将内容自动粘贴到之前的编辑窗口</source>
        <translation>항목을 두 번 클릭하면 이전 창에 붙여넣습니다</translation>
    </message>
</context>
<context>
    <name>hotkey_widget</name>
    <message>
        <source>点按此处开启全局热键</source>
        <translation>클릭하여 전역 단축키를 켭니다</translation>
    </message>
    <message>
        <source>点按此处关闭全局热键</source>
        <translation>클릭하여 전역 단축키를 끕니다</translation>
    </message>
    <message>
        <source>请设定区域快捷键</source>
        <translation>단축키 설정</translation>
    </message>
    <message>
        <source>点按此处设定对应区域的快捷键</source>
        <translation>탭을 클릭하여 해당 단축키를 설정합니다</translation>
    </message>
    <message>
        <source>点击左侧设置循环切换项目热键，选中右侧设置固定项目热键</source>
        <translation>왼쪽은 순환 단축키, 오른쪽은 고정 슬롯 단축키를 설정합니다</translation>
    </message>
    <message>
        <source>开启热键</source>
        <translation>단축키 사용</translation>
    </message>
    <message>
        <source>循环热键</source>
        <translation>순환 단축키</translation>
    </message>
</context>
<context>
    <name>list_context_menu</name>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>复制当前鼠标所在行内容</source>
        <translation>마우스 포인터가 있는 행의 내용을 복사</translation>
    </message>
    <message>
        <source>附加快捷键「Space」🐯</source>
        <translation>「Space」 키로도 가능 🐯</translation>
    </message>
    <message>
        <source>复制文件</source>
        <translation>파일 복사</translation>
    </message>
    <message>
        <source>复制当前所有选中内容所在文件</source>
        <translation>선택한 모든 항목의 파일을 복사</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>从上至下自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>선택한 모든 행을 위에서 아래로 이전 창에 붙여넣기</translation>
    </message>
    <message>
        <source>附加快捷键「Enter」🦚</source>
        <translation>「Enter」 키로도 가능 🦚</translation>
    </message>
    <message>
        <source>反向粘贴</source>
        <translation>역순 붙여넣기</translation>
    </message>
    <message>
        <source>从下至上自动粘贴鼠标选中所有行到上一个编辑窗口</source>
        <translation>선택한 모든 행을 아래에서 위로 이전 창에 붙여넣기</translation>
    </message>
    <message>
        <source>翻转粘贴</source>
        <translation>뒤집어 붙여넣기</translation>
    </message>
    <message>
        <source>从右至左翻转粘贴文本到上一个编辑窗口</source>
        <translation>텍스트를 오른쪽에서 왼쪽으로 뒤집어 이전 창에 붙여넣기</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>使用默认程序打开所有选中选项所在文件</source>
        <translation>선택한 모든 항목의 파일을 기본 프로그램으로 열기</translation>
    </message>
    <message>
        <source>钉住</source>
        <translation>고정</translation>
    </message>
    <message>
        <source>以顶层窗口显示图片文件</source>
        <translation>항상 위에 있는 창에 표시</translation>
    </message>
    <message>
        <source>收藏</source>
        <translation>즐겨찾기</translation>
    </message>
    <message>
        <source>给选中内容打上收藏标记
只在收藏页面可以被删除</source>
        <translation>선택한 항목을 즐겨찾기로 표시
즐겨찾기는 즐겨찾기 탭에서만 삭제할 수 있습니다</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>删除鼠标选中所有行
附加快捷键「Del」🐭</source>
        <translation>선택한 모든 행 삭제
「Del」 키로도 가능 🐭</translation>
    </message>
    <message>
        <source>md5编码</source>
        <translation>MD5 해시</translation>
    </message>
    <message>
        <source>获取当前选项内容的md5</source>
        <translation>현재 항목의 MD5 가져오기</translation>
    </message>
    <message>
        <source>base64编码</source>
        <translation>Base64 인코딩</translation>
    </message>
    <message>
        <source>获取当前选项内容的base64</source>
        <translation>현재 항목의 Base64 가져오기</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>프로그램 기능을 설정합니다</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>모든 기기에서 클립보드 기록을 동기화합니다</translation>
    </message>
    <message>
        <source>编码        MD5+BASE64</source>
        <translation>인코딩</translation>
    </message>
</context>
<context>
    <name>main_window</name>
    <message>
        <source>quillbox</source>
        <translation>quillbox</translation>
    </message>
    <message>
        <source>本地列表已与云上同步</source>
        <translation>로컬 목록을 클라우드와 동기화했습니다</translation>
    </message>
    <message>
        <source>剪贴板记录已恢复</source>
        <translation>클립보드 기록을 다시 시작했습니다</translation>
    </message>
    <message>
        <source>剪贴板记录已暂停</source>
        <translation>클립보드 기록을 일시 중지했습니다</translation>
    </message>
    <message>
        <source>夜间模式已开启</source>
        <translation>다크 모드를 켰습니다</translation>
    </message>
    <message>
        <source>昼间模式已开启</source>
        <translation>라이트 모드를 켰습니다</translation>
    </message>
    <message>
        <source>  当前已选中 </source>
        <translation>  선택한 항목: </translation>
    </message>
    <message numerus="yes">
        <source> 项内容</source>
        <translation>
            <numerusform>개</numerusform>
        </translation>
    </message>
    <message>
        <source> ，今天已复制 </source>
        <translation>, 오늘 복사: </translation>
    </message>
    <message numerus="yes">
        <source> 次</source>
        <translation>
            <numerusform>회</numerusform>
        </translation>
    </message>
    <message>
        <source>当前列表中暂无内容，
尝试从别处Ctrl+C复制几条吧~</source>
        <translation>아직 내용이 없습니다.
Ctrl+C로 몇 가지 복사해 보세요~</translation>
    </message>
    <message>
        <source>  文件已复制至剪贴板</source>
        <translation>  파일을 클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>文件已经复制到剪贴板</source>
        <translation>파일을 클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>确定删除？</source>
        <translation>삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>点按此处开启剪贴板记录</source>
        <translation>클릭하여 클립보드 기록을 시작합니다</translation>
    </message>
    <message>
        <source>点按此处暂停剪贴板记录</source>
        <translation>클릭하여 클립보드 기록을 일시 중지합니다</translation>
    </message>
    <message>
        <source>点按此处开启夜间模式</source>
        <translation>클릭하여 다크 모드로 전환합니다</translation>
    </message>
    <message>
        <source>点按此处开启昼间模式</source>
        <translation>클릭하여 라이트 모드로 전환합니다</translation>
    </message>
    <message>
        <source>点按此处打开设置界面</source>
        <translation>클릭하여 설정을 엽니다</translation>
    </message>
    <message>
        <source>请输入搜索内容</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>点按此处不同区域切换显示类型</source>
        <translation>탭을 클릭하여 표시할 유형을 바꿉니다</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>开启剪贴板纪录全平台同步</source>
        <translation>모든 기기에서 클립보드 기록을 동기화합니다</translation>
    </message>
    <message>
        <source>设定</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>设置程序的相关功能</source>
        <translation>프로그램 기능을 설정합니다</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>프로그램을 종료합니다</translation>
    </message>
    <message>
        <source>已删除</source>
        <translation>삭제됨: </translation>
    </message>
    <message>
        <source>窗口标题：</source>
        <translation>창 제목: </translation>
    </message>
    <message>
        <source>创建日期：</source>
        <translation>만든 날짜: </translation>
    </message>
    <message>
        <source>最后修改：</source>
        <translation>수정한 날짜: </translation>
    </message>
    <message>
        <source>「图片文件」</source>
        <translation>「이미지 파일」</translation>
    </message>
    <message>
        <source>字符长度：</source>
        <translation>글자 수: </translation>
    </message>
    <message>
        <source>今天已复制 </source>
        <translation>오늘 복사: </translation>
    </message>
    <message>
        <source> - 默认</source>
        <translation> - 기본</translation>
    </message>
    <message>
        <source> - [文本、图片、文件]</source>
        <translation> - [텍스트, 이미지, 파일]</translation>
    </message>
    <message>
        <source> - [文本、文件、图片]</source>
        <translation> - [텍스트, 파일, 이미지]</translation>
    </message>
    <message>
        <source> - [图片、文本、文件]</source>
        <translation> - [이미지, 텍스트, 파일]</translation>
    </message>
    <message>
        <source> - [图片、文件、文本]</source>
        <translation> - [이미지, 파일, 텍스트]</translation>
    </message>
    <message>
        <source> - [文件、文本、图片]</source>
        <translation> - [파일, 텍스트, 이미지]</translation>
    </message>
    <message>
        <source> - [文件、图片、文本]</source>
        <translation> - [파일, 이미지, 텍스트]</translation>
    </message>
    <message>
        <source>已选择显示文本</source>
        <translation>텍스트 표시</translation>
    </message>
    <message>
        <source>已选择显示图片</source>
        <translation>이미지 표시</translation>
    </message>
    <message>
        <source>已选择显示文件</source>
        <translation>파일 표시</translation>
    </message>
    <message>
        <source>已选择全部显示</source>
        <translation>모두 표시</translation>
    </message>
    <message>
        <source>已选择显示收藏</source>
        <translation>즐겨찾기</translation>
    </message>
    <message>
        <source>编码已复制</source>
        <translation> 값을 복사했습니다</translation>
    </message>
    <message>
        <source>  无法对多个文件编码</source>
        <translation>  여러 파일은 인코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>无法对多个文件编码</source>
        <translation>여러 파일은 인코딩할 수 없습니다</translation>
    </message>
    <message>
        <source>  暂时无法对文件base64</source>
        <translation>  파일의 Base64는 아직 지원하지 않습니다</translation>
    </message>
    <message>
        <source>暂时无法对文件base64</source>
        <translation>파일 Base64는 아직 지원하지 않습니다</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>즐겨찾기 해제 </translation>
    </message>
    <message>
        <source>增加</source>
        <translation>즐겨찾기 추가 </translation>
    </message>
    <message numerus="yes">
        <source>条收藏</source>
        <translation>
            <numerusform>개</numerusform>
        </translation>
    </message>
    <message>
        <source>  图片已复制至剪贴板</source>
        <translation>  이미지를 클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>图片已经复制到剪贴板</source>
        <translation>이미지를 클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>  文本已复制至剪贴板</source>
        <translation>  텍스트를 클립보드에 복사했습니다</translation>
    </message>
    <message>
        <source>文本已经复制到剪贴板</source>
        <translation>텍스트를 클립보드에 복사했습니다</translation>
    </message>
    <message numerus="yes">
        <source>条内容</source>
        <translation>
            <numerusform>개 항목</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>pinned_widget</name>
    <message>
        <source>预览</source>
        <translation>미리 보기</translation>
    </message>
</context>
<context>
    <name>prompt_widget</name>
    <message>
        <source>是</source>
        <translation>예</translation>
    </message>
    <message>
        <source>否</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>快捷键「Enter」🦖</source>
        <translation>단축키「Enter」🦖</translation>
    </message>
    <message>
        <source>快捷键「Esc」🪂</source>
        <translation>단축키「Esc」🪂</translation>
    </message>
</context>
</TS>
